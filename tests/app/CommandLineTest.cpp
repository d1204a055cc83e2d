#include "app/CommandLine.h"

#include "app/InitCommand.h"
#include "db/Connection.h"
#include "db/ResultTable.h"
#include "support/Fakes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandLine, ParsesTheAdministratorCommands) {
    using Mode = CommandLine::Mode;
    EXPECT_EQ(CommandLine::Parse({}).mode, Mode::Window);
    EXPECT_EQ(CommandLine::Parse({"--help"}).mode, Mode::Help);
    EXPECT_EQ(CommandLine::Parse({"--version"}).mode, Mode::Version);
    EXPECT_EQ(CommandLine::Parse({"init"}).directory, ".");
    const CommandLine init = CommandLine::Parse({"init", "/srv/фирма"});
    EXPECT_EQ(init.mode, Mode::Init);
    EXPECT_EQ(init.directory, "/srv/фирма");
    EXPECT_EQ(CommandLine::Parse({"init", "a", "b"}).mode, Mode::Invalid);
    const CommandLine window = CommandLine::Parse({"/srv/фирма"});
    EXPECT_EQ(window.mode, Mode::Window);
    EXPECT_EQ(window.directory, "/srv/фирма");
    EXPECT_EQ(CommandLine::Parse({"--bogus"}).mode, Mode::Invalid);
    EXPECT_FALSE(CommandLine::MayHoldToolkitOptions({"--bogus"}));
    EXPECT_TRUE(CommandLine::MayHoldToolkitOptions({"-platform", "offscreen"}));
    EXPECT_TRUE(CommandLine::Usage().contains("tarvo init"));

    EXPECT_EQ(CommandLine::Parse({"backup"}).mode, Mode::Backup);
    EXPECT_EQ(CommandLine::Parse({"backup"}).directory, ".");
    EXPECT_EQ(CommandLine::Parse({"backup", "/srv/фирма", "x"}).mode, Mode::Invalid);
    EXPECT_EQ(CommandLine::Parse({"euro", "/srv/фирма"}).mode, Mode::Euro);
    EXPECT_EQ(CommandLine::Parse({"euro", "/srv/фирма"}).directory, "/srv/фирма");
    EXPECT_EQ(CommandLine::Parse({"euro", "/srv/фирма", "x"}).mode, Mode::Invalid);
    const CommandLine restore = CommandLine::Parse({"restore", "TV1.Z", "/srv/фирма"});
    EXPECT_EQ(restore.mode, Mode::Restore);
    EXPECT_EQ(restore.file, "TV1.Z");
    EXPECT_EQ(restore.directory, "/srv/фирма");
    EXPECT_EQ(CommandLine::Parse({"restore", "TV1.Z"}).directory, ".");
    EXPECT_EQ(CommandLine::Parse({"restore"}).mode, Mode::Invalid);
    EXPECT_EQ(CommandLine::Parse({"restore", "a", "b", "c"}).mode, Mode::Invalid);
    EXPECT_TRUE(CommandLine::Usage().contains("tarvo backup"));
    EXPECT_TRUE(CommandLine::Usage().contains("tarvo euro"));
    EXPECT_TRUE(CommandLine::Usage().contains("tarvo restore"));
    const CommandLine import =
        CommandLine::Parse({"import-dump", "--keep-invoices=yes", "tarvo.sql", "/srv"});
    EXPECT_EQ(import.mode, Mode::ImportDump);
    EXPECT_EQ(import.file, "tarvo.sql");
    EXPECT_EQ(import.directory, "/srv");
    EXPECT_EQ(import.options, QStringList{"--keep-invoices=yes"});
    EXPECT_EQ(CommandLine::Parse({"import-dump"}).mode, Mode::Invalid);
}

TEST(InitCommand, CreatesANewDatabaseAndRefusesToOverwriteOne) {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeSleeper sleeper;

    EXPECT_EQ(RunInitCommand(dir.path(), prompter, sleeper), 0);
    EXPECT_EQ(prompter.Count(), 0);
    Connection connection;
    ASSERT_TRUE(connection.Open(dir.filePath("tarvo.db"), false).Ok());
    ResultTable table;
    ASSERT_TRUE(connection.Query("SELECT key_value FROM settings;", table).Ok());
    EXPECT_EQ(table.Int(1, 0), 14);
    connection.Close();

    EXPECT_EQ(RunInitCommand(dir.path(), prompter, sleeper), 1);
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Texts()[0].contains("вече има база данни"));

    EXPECT_EQ(RunInitCommand(dir.filePath("няма"), prompter, sleeper), 1);
    EXPECT_EQ(prompter.Count(), 2);
    EXPECT_FALSE(QDir(dir.filePath("няма")).exists());
}

} // namespace
