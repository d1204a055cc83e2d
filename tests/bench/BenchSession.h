#pragma once

#include "base/ConsolePrompter.h"
#include "base/ProcessExit.h"
#include "base/Sleeper.h"
#include "base/ui/GuiDirectoryChooser.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "support/TestServer.h"

#include <QTemporaryDir>
#include <memory>

// A session on a new database in a temporary directory, as the program has it;
// with TARVO_TEST_ENGINE=server and TARVO_TEST_SERVER, a new database on that
// server instead.
struct BenchSession {
    QTemporaryDir dir;
    ConsolePrompter prompter;
    SystemProcessExit exit;
    ThreadSleeper sleeper;
    LocalSettings settings{dir.filePath("s.ini")};
    GuiDirectoryChooser chooser;
    std::unique_ptr<CTarvoDoc> doc;

    QString location;

    BenchSession() {
        if (TestServer::Wanted()) {
            QString why;
            location = TestServer::NewDatabase(&why);
            if (location.isEmpty())
                qFatal("%s", qPrintable(why));
        } else {
            Connection creation;
            CreateDatabase(dir.filePath("tarvo.db"), creation, sleeper, prompter);
            location = dir.path();
        }
        doc = std::make_unique<CTarvoDoc>(SessionServices{prompter, exit, sleeper, settings, chooser}, location);
    }
    ~BenchSession() {
        doc.reset();
        if (TestServer::Wanted())
            TestServer::DropDatabase(location);
    }
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;
    Database& Db() { return doc->Db(); }
};
