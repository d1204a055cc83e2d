#include "db/Connection.h"
#include "db/DbMessages.h"
#include "db/WriteTransaction.h"
#include "support/DatabaseTest.h"

#include <QProcess>

namespace {

using TransactionTest = DatabaseTest;

TEST_F(TransactionTest, AFailingSecondStatementLeavesNoneApplied) {
    {
        WriteTransaction transaction(Db());
        ASSERT_TRUE(transaction.Begin());
        ASSERT_TRUE(transaction.Exec("INSERT INTO units VALUES('кг');"));
        EXPECT_FALSE(transaction.Exec("INSERT INTO no_such_table VALUES(1);"));
        EXPECT_FALSE(transaction.Exec("INSERT INTO units VALUES('м');")); // the body has stopped
        EXPECT_FALSE(transaction.Commit());
    }
    EXPECT_EQ(prompter.Texts(), QStringList{OnServer() ? "relation \"no_such_table\" does not exist"
                                                       : "no such table: no_such_table"});
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "0");
}

TEST_F(TransactionTest, CommittedWorkStaysAndAbandonedWorkIsRolledBack) {
    {
        WriteTransaction transaction(Db());
        ASSERT_TRUE(transaction.Begin());
        ASSERT_TRUE(transaction.ExecPrintf("INSERT INTO units VALUES(?);", "кг"));
        ASSERT_TRUE(transaction.Commit());
    }
    {
        WriteTransaction abandoned(Db());
        ASSERT_TRUE(abandoned.Begin());
        ASSERT_TRUE(abandoned.Exec("INSERT INTO units VALUES('м');"));
    }
    EXPECT_EQ(Scalar("SELECT group_concat(unit) FROM units;"), "кг");
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(TransactionTest, AWriterThatCannotGetTheLockWritesNothing) {
    SKIP_ON_SERVER("the file's busy answer");
    auto other = OpenSecondConnection();
    ASSERT_TRUE(other->Exec("BEGIN IMMEDIATE;").Ok());

    WriteTransaction transaction(Db());
    EXPECT_FALSE(transaction.Begin());
    EXPECT_FALSE(transaction.Exec("INSERT INTO units VALUES('кг');"));
    EXPECT_EQ(prompter.Texts(), QStringList{DbMessages::kBusy});

    ASSERT_TRUE(other->Exec("COMMIT;").Ok());
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "0");
}

TEST_F(TransactionTest, ACommitWaitsForReadersInsteadOfLosingTheWork) {
    SKIP_ON_SERVER("the file's readers block its commit");
    auto reader = OpenSecondConnection();
    ASSERT_TRUE(reader->Exec("BEGIN; SELECT COUNT(*) FROM units;").Ok());
    sleeper.onSleep = [&](int) { reader->Exec("COMMIT;"); };

    WriteTransaction transaction(Db());
    ASSERT_TRUE(transaction.Begin());
    ASSERT_TRUE(transaction.Exec("INSERT INTO units VALUES('кг');"));
    EXPECT_TRUE(transaction.Commit());

    EXPECT_EQ(sleeper.pauses.size(), 1u);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "1");
}

// A change begun inside another is a savepoint: its failure undoes only its
// own writes, and the outer change goes on or rolls back as a whole.
TEST_F(TransactionTest, ANestedChangeFailsAloneAndTheOuterDecides) {
    {
        WriteTransaction outer(Db());
        ASSERT_TRUE(outer.Begin());
        ASSERT_TRUE(outer.Exec("INSERT INTO units VALUES('кг');"));
        {
            WriteTransaction inner(Db());
            ASSERT_TRUE(inner.Begin());
            ASSERT_TRUE(inner.Exec("INSERT INTO units VALUES('м');"));
            EXPECT_FALSE(inner.Exec("INSERT INTO no_such_table VALUES(1);"));
        }
        {
            WriteTransaction inner(Db());
            ASSERT_TRUE(inner.Begin());
            ASSERT_TRUE(inner.Exec("INSERT INTO units VALUES('л');"));
            ASSERT_TRUE(inner.Commit());
        }
        ASSERT_TRUE(outer.Commit());
    }
    EXPECT_EQ(Scalar("SELECT group_concat(unit) FROM (SELECT unit FROM units ORDER BY unit) AS t;"), "кг,л");

    {
        WriteTransaction outer(Db());
        ASSERT_TRUE(outer.Begin());
        WriteTransaction inner(Db());
        ASSERT_TRUE(inner.Begin());
        ASSERT_TRUE(inner.Exec("INSERT INTO units VALUES('т');"));
        ASSERT_TRUE(inner.Commit());
        // The outer change is abandoned: the committed savepoint goes with it.
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "2");
    EXPECT_FALSE(Db().InTransaction());
}

// A refused check rolls back first and shows its message only when the file
// is free again; a refusal inside a nested change waits for the outer one.
TEST_F(TransactionTest, ARefusalIsShownAfterTheLockIsReleased) {
    SKIP_ON_SERVER("the file's write lock");
    auto other = OpenSecondConnection();
    auto otherCanWrite = [&] {
        const bool free = other->Exec("BEGIN IMMEDIATE;").Ok();
        if (free)
            other->Exec("ROLLBACK;");
        return free;
    };
    std::vector<bool> freeWhenShown;
    prompter.onBox = [&](const QString&) { freeWhenShown.push_back(otherCanWrite()); };
    {
        WriteTransaction outer(Db());
        ASSERT_TRUE(outer.Begin());
        ASSERT_TRUE(outer.Exec("INSERT INTO units VALUES('кг');"));
        {
            WriteTransaction inner(Db());
            ASSERT_TRUE(inner.Begin());
            ASSERT_TRUE(inner.Exec("INSERT INTO units VALUES('м');"));
            EXPECT_FALSE(inner.Refuse("Името е заето.", MessageIcon::Stop));
        }
        EXPECT_EQ(prompter.Count(), 0);
        EXPECT_FALSE(otherCanWrite());
        EXPECT_FALSE(outer.Refuse("Отказано.", MessageIcon::Exclamation));
    }
    EXPECT_EQ(prompter.Texts(), (QStringList{"Името е заето.", "Отказано."}));
    EXPECT_EQ(freeWhenShown, (std::vector<bool>{true, true}));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "0");
}

// Two real processes on one file.
class TwoProcessTest : public DatabaseTest {
protected:
    static QProcess* Start(QProcess& process, const QStringList& arguments) {
        process.start(TARVO_TEST_CHILD, arguments);
        EXPECT_TRUE(process.waitForStarted());
        return &process;
    }
    static void Finish(QProcess& process, int expectedStatus) {
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), expectedStatus) << process.readAllStandardError().toStdString();
    }
    QString DbPath() const { return tempDir.filePath("tarvo.db"); }
};

TEST_F(TwoProcessTest, TwoWritersThatReadFirstNeverDeadlockAndLoseNothing) {
    SKIP_ON_SERVER("the file's locks");
    doc.reset(); // this process keeps no connection open
    QProcess first, second;
    Start(first, {"writer", DbPath(), "първи", "150"});
    Start(second, {"writer", DbPath(), "втори", "150"});
    Finish(first, 0);
    Finish(second, 0);

    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "300");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM groups;"), "300");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units WHERE unit LIKE 'втори %';"), "150");
}

TEST_F(TwoProcessTest, AWriterThatGivesUpLeavesNothingHalfWritten) {
    SKIP_ON_SERVER("the file's busy answer");
    doc.reset();
    QProcess holder, impatient;
    Start(holder, {"hold-write", DbPath()});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readLine().trimmed(), "holding");

    Start(impatient, {"impatient-writer", DbPath(), "нетърпелив", "1"});
    Finish(impatient, 4);
    EXPECT_TRUE(QString::fromUtf8(impatient.readAllStandardError()).contains(DbMessages::kBusy));

    holder.write("go\n");
    holder.closeWriteChannel();
    Finish(holder, 0);
    EXPECT_EQ(Scalar("SELECT group_concat(unit) FROM units;"), "holder");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM groups;"), "0");
}

} // namespace
