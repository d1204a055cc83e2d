#include "app/StartView.h"
#include "db/Connection.h"
#include "db/DatabaseCreator.h"
#include "db/DbMessages.h"
#include "support/DatabaseTest.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class OpenDatabaseTest : public SessionTest {
protected:
    QString PathIn(const QString& directory) const { return QDir(directory).filePath("tarvo.db"); }
    bool IsMissingFileQuestion(int box) const {
        return prompter.Boxes()[box].kind == ScriptedPrompter::Kind::YesNoCancel &&
               prompter.Boxes()[box].text.startsWith("Базата данни не може да бъде открита");
    }
    // A file whose version row says `version`.
    void MakeFileOfVersion(const QString& path, const QByteArray& versionSql) {
        Connection connection;
        ASSERT_TRUE(connection.Open(path, true).Ok());
        ASSERT_TRUE(connection.Exec(versionSql).Ok());
    }
};

TEST_F(OpenDatabaseTest, NoAtTheMissingFileQuestionEndsWithStatusZeroAndNoFile) {
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::No);
    EXPECT_EQ(doc->GetDatabase(), nullptr);
    EXPECT_EQ(processExit.statuses, std::vector<int>{0});
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(IsMissingFileQuestion(0));
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(PathIn(tempDir.path())));
}

TEST_F(OpenDatabaseTest, YesCreatesTheFileAndOpensIt) {
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::Yes);
    Connection* handle = doc->GetDatabase();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(doc->IsOpen());
    EXPECT_EQ(doc->GetDatabase(), handle); // opened once, then kept
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(processExit.statuses.empty());
    ResultTable table;
    ASSERT_TRUE(
        doc->Db().QueryWithRetry("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table';", table).Ok());
    EXPECT_EQ(table.Int(1, 0), 42);
}

TEST_F(OpenDatabaseTest, CancelChoosesAnotherDirectoryAndRemembersIt) {
    const QString other = tempDir.filePath("друга");
    ASSERT_TRUE(QDir().mkpath(other));
    {
        Connection creation;
        ASSERT_EQ(CreateDatabase(PathIn(other), creation, sleeper, prompter), CreationResult::Created);
    }
    settings->SetDBPath("/start/here/");
    auto doc = MakeDoc(tempDir.filePath("празна"));
    prompter.Expect(Answer::Cancel);
    chooser.answers.push_back(other);

    ASSERT_NE(doc->GetDatabase(), nullptr);
    EXPECT_EQ(doc->DatabasePath(), PathIn(other));
    EXPECT_EQ(chooser.captions, QStringList{"Моля, изберете директория за БД:"});
    EXPECT_EQ(chooser.starts, QStringList{"/start/here/"});
    EXPECT_EQ(settings->DBPath(), other + "/");
}

TEST_F(OpenDatabaseTest, CancellingTheFolderChooserAsksAgain) {
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::Cancel);
    prompter.Expect(Answer::No);
    EXPECT_EQ(doc->GetDatabase(), nullptr);
    EXPECT_EQ(prompter.Count(), 2);
    EXPECT_TRUE(IsMissingFileQuestion(1));
    EXPECT_EQ(processExit.statuses, std::vector<int>{0});
    EXPECT_TRUE(settings->DBPath().isEmpty());
}

TEST_F(OpenDatabaseTest, ADirectoryNamedLikeTheFileCountsAsMissing) {
    ASSERT_TRUE(QDir().mkpath(PathIn(tempDir.path())));
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::No);
    EXPECT_EQ(doc->GetDatabase(), nullptr);
    EXPECT_TRUE(IsMissingFileQuestion(0));
}

TEST_F(OpenDatabaseTest, VersionsOtherThanTheCurrentOneAreRefusedWithoutTouchingTheFile) {
    struct Case {
        QByteArray sql;
        const char* message;
    };
    const Case cases[] = {
        {"CREATE TABLE settings (key_name, key_value); INSERT INTO settings VALUES('dbversion', '15');",
         "Версията на тази база данни е несъвместима с версията на TARVO!"},
        {"CREATE TABLE unrelated (x);", "Версията на тази база данни е несъвместима с версията на TARVO!"},
        {"CREATE TABLE version (version); INSERT INTO version VALUES('8');", "формат 8"},
        {"CREATE TABLE settings (key_name, key_value); INSERT INTO settings VALUES('dbversion', '12');",
         "формат 12"},
        {"CREATE TABLE version (version);", "формат 1"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString dir = tempDir.filePath(QString::number(++n));
        ASSERT_TRUE(QDir().mkpath(dir));
        MakeFileOfVersion(PathIn(dir), c.sql);
        QFile file(PathIn(dir));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        prompter.Clear();
        processExit.statuses.clear();
        auto doc = MakeDoc(dir);
        EXPECT_EQ(doc->GetDatabase(), nullptr) << c.sql.constData();
        EXPECT_FALSE(doc->IsOpen());
        EXPECT_EQ(processExit.statuses, std::vector<int>{0});
        ASSERT_FALSE(prompter.Texts().isEmpty());
        EXPECT_TRUE(prompter.Texts().last().contains(c.message)) << prompter.Texts().last().toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        file.close();
    }
}

TEST_F(OpenDatabaseTest, AFileThatIsNoDatabaseIsRefused) {
    QFile file(PathIn(tempDir.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("This is not a database file, just some text that someone saved here by mistake.\n");
    file.close();
    auto doc = MakeDoc(tempDir.path());
    EXPECT_EQ(doc->GetDatabase(), nullptr);
    EXPECT_EQ(processExit.statuses, std::vector<int>{0});
    EXPECT_EQ(prompter.Texts(),
              (QStringList{"file is not a database",
                           "Версията на тази база данни е несъвместима с версията на TARVO!"}));
}

TEST_F(OpenDatabaseTest, StatementsWithoutAConnectionNeverReachTheLibrary) {
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::No);
    DbResult result = doc->Db().ExecWithRetry("INSERT INTO units VALUES('кг');");
    EXPECT_EQ(result.code, DbCode::kNoDatabase);
    EXPECT_TRUE(result.Failed());
    doc->Db().ReportDbError(result);
    EXPECT_EQ(prompter.Count(), 1); // only the question; nothing more to say
    EXPECT_TRUE(sleeper.pauses.empty());
}

TEST_F(OpenDatabaseTest, TheStartViewOpensTheDatabaseOnItsFirstDisplayOnly) {
    auto doc = MakeDoc(tempDir.path());
    StartView view(*doc);
    EXPECT_EQ(StartView::VersionLabel(), "ВЕРСИЯ: 0.12.1-14");
    EXPECT_EQ(StartView::WindowTitle(), "TARVO");
    prompter.Expect(Answer::Yes);
    view.Displayed();
    EXPECT_TRUE(doc->IsOpen());
    view.Displayed();
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_FALSE(doc->IsFirstDisplay());
}

// A creation killed at the wrong moment left an empty file: it is no
// database, so the missing-file question comes, and Yes makes a real one.
TEST_F(OpenDatabaseTest, AnEmptyFileCountsAsMissing) {
    QFile empty(PathIn(tempDir.path()));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::Yes);
    ASSERT_NE(doc->GetDatabase(), nullptr);
    EXPECT_TRUE(IsMissingFileQuestion(0));
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_GT(QFileInfo(PathIn(tempDir.path())).size(), 0);
    // Nothing of the building is left beside it.
    EXPECT_EQ(QDir(tempDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tarvo.db"});
}

// A link to a share that is not mounted is the administrator's: a failed
// creation never removes it and says what is wrong.
TEST_F(OpenDatabaseTest, ALinkToAnUnreachableShareIsNeverRemoved) {
    const QString path = PathIn(tempDir.path());
    ASSERT_TRUE(QFile::link(tempDir.filePath("share/tarvo.db"), path));
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::Yes);
    EXPECT_EQ(doc->GetDatabase(), nullptr);
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_TRUE(prompter.Texts()[1].contains("връзка към място, което не е достъпно"))
        << prompter.Texts()[1].toStdString();
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), tempDir.filePath("share/tarvo.db"));

    // Once the share is there, the same link leads to the database.
    ASSERT_TRUE(QDir().mkpath(tempDir.filePath("share")));
    {
        Connection creation;
        ASSERT_EQ(CreateDatabase(tempDir.filePath("share/tarvo.db"), creation, sleeper, prompter),
                  CreationResult::Created);
    }
    auto again = MakeDoc(tempDir.path());
    EXPECT_NE(again->GetDatabase(), nullptr);
}

// Another seat holding the file past the whole retry is reported as a busy
// file after one retry period, never as a wrong version; the next access
// opens the file once it is free.
TEST_F(OpenDatabaseTest, ABusyFileIsBusyNotIncompatible) {
    {
        Connection creation;
        ASSERT_EQ(CreateDatabase(PathIn(tempDir.path()), creation, sleeper, prompter),
                  CreationResult::Created);
    }
    Connection other;
    ASSERT_TRUE(other.Open(PathIn(tempDir.path()), false).Ok());
    ASSERT_TRUE(other.Exec("BEGIN EXCLUSIVE;").Ok());
    auto doc =
        std::make_unique<CTarvoDoc>(SessionServices{prompter, processExit, sleeper, *settings, chooser},
                                    tempDir.path(), RetryPolicy{5, 500});
    EXPECT_EQ(doc->GetDatabase(), nullptr);
    EXPECT_EQ(prompter.Texts(), QStringList{DbMessages::kBusy});
    EXPECT_EQ(sleeper.pauses.size(), 5u);
    EXPECT_TRUE(processExit.statuses.empty());

    ASSERT_TRUE(other.Exec("COMMIT;").Ok());
    EXPECT_NE(doc->GetDatabase(), nullptr);
    EXPECT_EQ(prompter.Count(), 1);
}

// A firm on a server: an empty database is offered for a new firm (No leaves
// it empty), another program's database and a firm of another format are
// refused, each with its own message, and nothing is written to them.
TEST_F(OpenDatabaseTest, AServerDatabaseIsOfferedWhenEmptyAndRefusedWhenForeign) {
    if (!TestServer::Wanted())
        GTEST_SKIP() << "a server's databases";
    QString why;
    const QString empty = TestServer::NewEmptyDatabase(&why);
    const QString foreign = TestServer::NewEmptyDatabase(&why);
    const QString older = TestServer::NewDatabase(&why);
    ASSERT_FALSE(empty.isEmpty() || foreign.isEmpty() || older.isEmpty()) << why.toStdString();
    const auto exec = [](const QString& location, const QByteArray& sql) {
        Connection connection;
        ASSERT_TRUE(connection.Open(location, false).Ok());
        ASSERT_TRUE(connection.Exec(sql).Ok()) << sql.constData();
    };
    exec(foreign, "CREATE TABLE invoices (id INTEGER);");
    exec(older, "UPDATE settings SET key_value = '13' WHERE key_name = 'dbversion';");

    prompter.Expect(Answer::No);
    EXPECT_EQ(MakeDoc(empty)->GetDatabase(), nullptr);
    prompter.Expect(Answer::Yes);
    auto created = MakeDoc(empty);
    ASSERT_NE(created->GetDatabase(), nullptr);
    ResultTable tables;
    ASSERT_TRUE(created->Db().Query(tables, created->Db().Dialect().ListTables()));
    EXPECT_EQ(tables.Rows(), 42);
    created.reset();
    EXPECT_EQ(MakeDoc(foreign)->GetDatabase(), nullptr);
    EXPECT_EQ(MakeDoc(older)->GetDatabase(), nullptr);

    const QStringList texts = prompter.Texts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_TRUE(texts[0].contains("е празна.\nЖелаете ли да създадете в нея нова фирма?"));
    EXPECT_TRUE(texts[2].contains("не е на TARVO: в нея има таблици на друга програма."))
        << texts[2].toStdString();
    EXPECT_TRUE(texts[3].contains("е във формат 13")) << texts[3].toStdString();
    for (const QString& location : {empty, foreign, older})
        TestServer::DropDatabase(location);
}

} // namespace
