#pragma once

#include "db/WriteTransaction.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "support/Fakes.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Each test gets its own directory with a freshly created tarvo.db (or, in
// the run on the server, a database of its own there), opened through the
// session as the program opens it, a scripted prompter, a fixed clock, a
// throw-away settings file and a sleeper that does not sleep.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString Dir() const { return tempDir.path(); }
    // Where the firm lives: the directory, or the server's database.
    QString Location() const { return firmLocation; }
    bool OnServer() const;
    // What a second process opens: the file, or the server's database.
    QString DatabaseName() const;
    Database& Db() { return doc->Db(); }
    // A second, independent connection to the same file.
    std::unique_ptr<Connection> OpenSecondConnection();
    // The single value of a query run without the access layer.
    QString Scalar(const QByteArray& sql);
    // Runs the writes in a change of their own; the change's outcome.
    template <typename Writes> bool Change(Writes writes) {
        WriteTransaction t(Db());
        return t.Begin() && writes(t) && t.Commit();
    }

    QTemporaryDir tempDir;
    QString firmLocation;
    ScriptedPrompter prompter;
    FakeSleeper sleeper;
    FixedClock clock;
    RecordingExit processExit;
    ScriptedChooser chooser;
    std::unique_ptr<LocalSettings> settings;
    std::unique_ptr<CTarvoDoc> doc;
};

// Skips, in the run on the server, a test of what only the embedded file
// does: its busy answer, its own functions and messages, the file itself.
#define SKIP_ON_SERVER(why)                                                                                    \
    if (!OnServer()) {                                                                                         \
    } else                                                                                                     \
        GTEST_SKIP() << (why)

// The same services without a database: for the tests of opening and creating.
class SessionTest : public ::testing::Test {
protected:
    void SetUp() override;
    std::unique_ptr<CTarvoDoc> MakeDoc(const QString& directory);

    QTemporaryDir tempDir;
    ScriptedPrompter prompter;
    FakeSleeper sleeper;
    RecordingExit processExit;
    ScriptedChooser chooser;
    std::unique_ptr<LocalSettings> settings;
};
