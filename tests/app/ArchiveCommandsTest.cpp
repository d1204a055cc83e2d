// `tarvo backup` and `tarvo restore` as cron runs them: the real program,
// no window, its output, messages and exit status.
#include "db/Connection.h"
#include "db/ResultTable.h"
#include "support/ChildSeat.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct ProgramRun {
    int status;
    QString out;
    QString err;
};

class ArchiveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_EQ(Tarvo({"init", Firm()}).status, 0);
    }
    QString Firm() const { return home.filePath("фирма"); }
    QString Db() const { return home.filePath("фирма/tarvo.db"); }
    ProgramRun Tarvo(const QStringList& arguments) {
        QDir(home.path()).mkpath("фирма");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The program's own settings stay inside the test.
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("HOME", home.path());
        process.setProcessEnvironment(environment);
        process.start(TARVO_EXECUTABLE, arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString Query(const QByteArray& sql) {
        Connection connection;
        EXPECT_TRUE(connection.Open(Db(), false).Ok());
        ResultTable table;
        EXPECT_TRUE(Connection::QueryOnce(connection.Handle(), sql, table).Ok());
        return table.Empty() ? QString() : table.Text(1, 0);
    }
    QTemporaryDir home;
};
} // namespace

TEST_F(ArchiveCommandsTest, BackupAndRestoreAsAScheduledJob) {
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(Connection::ExecOnce(connection.Handle(), "INSERT INTO units VALUES('преди');").Ok());
    }
    const ProgramRun backup = Tarvo({"backup", Firm()});
    ASSERT_EQ(backup.status, 0) << backup.err.toStdString();
    const QString archive = backup.out.trimmed();
    EXPECT_TRUE(archive.startsWith(Firm() + "/TV")) << archive.toStdString();
    EXPECT_TRUE(archive.endsWith(".Z"));
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_EQ(Query("SELECT length(key_value) FROM settings WHERE key_name = 'archive_last_time';"), "8");

    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(Connection::ExecOnce(connection.Handle(), "INSERT INTO units VALUES('след');").Ok());
    }
    // A running copy of the program holds the file: refused, status 1.
    ChildSeat window;
    window.Start({"hold-seat", Db()});
    window.WaitReady();
    const ProgramRun refused = Tarvo({"restore", archive, Firm()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("друго копие на програмата")) << refused.err.toStdString();
    EXPECT_EQ(Query("SELECT COUNT(*) FROM units WHERE unit = 'след';"), "1");
    window.Go();
    EXPECT_EQ(window.Finish(), 0);

    const ProgramRun restore = Tarvo({"restore", archive, Firm()});
    ASSERT_EQ(restore.status, 0) << restore.err.toStdString();
    EXPECT_TRUE(restore.out.contains("беше възстановена"));
    EXPECT_EQ(Query("SELECT COUNT(*) FROM units WHERE unit IN ('преди', 'след');"), "1");

    // Mistakes end with a message and status 1.
    const ProgramRun missing = Tarvo({"restore", home.filePath("няма.Z"), Firm()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    const ProgramRun noDatabase = Tarvo({"backup", home.path()});
    EXPECT_EQ(noDatabase.status, 1);
    EXPECT_TRUE(noDatabase.err.contains("няма база данни"));
}

// `tarvo euro`: the archive first, the prices in euro, a printed summary; a
// second run is refused and changes nothing.
TEST_F(ArchiveCommandsTest, EuroChangesThePricesOnceAfterAnArchive) {
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(
            Connection::ExecOnce(connection.Handle(),
                                 "INSERT INTO stocks (code, stock_name, price_1) VALUES('A', 'А', 10);")
                .Ok());
    }
    const ProgramRun euro = Tarvo({"euro", Firm()});
    ASSERT_EQ(euro.status, 0) << euro.err.toStdString();
    EXPECT_TRUE(euro.out.contains("Променени цени: 1.")) << euro.out.toStdString();
    const QString archive = euro.out.section(": ", -1).trimmed();
    EXPECT_TRUE(archive.endsWith(".Z")) << euro.out.toStdString();
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_EQ(Query("SELECT printf('%.2f', price_1) FROM stocks;"), "5.11");
    EXPECT_EQ(Query("SELECT key_value FROM settings WHERE key_name = 'currency';"), "EUR");

    const ProgramRun again = Tarvo({"euro", Firm()});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.contains("Фирмата вече работи в евро.")) << again.err.toStdString();
    EXPECT_EQ(Query("SELECT printf('%.2f', price_1) FROM stocks;"), "5.11");
}
