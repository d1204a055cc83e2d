#pragma once

#include "base/ConsolePrompter.h"
#include "base/ProcessExit.h"
#include "base/Sleeper.h"
#include "base/ui/GuiDirectoryChooser.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"

#include <QTemporaryDir>
#include <memory>

// A session on a new database in a temporary directory, as the program has it.
struct BenchSession {
    QTemporaryDir dir;
    ConsolePrompter prompter;
    SystemProcessExit exit;
    ThreadSleeper sleeper;
    LocalSettings settings{dir.filePath("s.ini")};
    GuiDirectoryChooser chooser;
    std::unique_ptr<CTarvoDoc> doc;

    BenchSession() {
        Connection creation;
        CreateDatabase(dir.filePath("tarvo.db"), creation, sleeper, prompter);
        creation.Close();
        doc = std::make_unique<CTarvoDoc>(SessionServices{prompter, exit, sleeper, settings, chooser},
                                          dir.path());
    }
    Database& Db() { return doc->Db(); }
};
