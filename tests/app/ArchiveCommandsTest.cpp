// `tarvo backup` and `tarvo restore` as cron runs them: the real program,
// no window, its output, messages and exit status.
#include "db/Connection.h"
#include "db/OldFormatFiles.h"
#include "db/ResultTable.h"
#include "genfirm/GeneratedFirm.h"
#include "support/ChildSeat.h"
#include "support/PdfText.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

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
    QString Temp() const { return home.filePath("tmp"); }
    QString Db() const { return home.filePath("фирма/tarvo.db"); }
    ProgramRun Tarvo(const QStringList& arguments) {
        QDir(home.path()).mkpath("фирма");
        QDir(home.path()).mkpath("архиви");
        QDir(home.path()).mkpath("tmp");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The program's own settings stay inside the test.
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("HOME", home.path());
        environment.insert("TMPDIR", Temp());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(home.filePath("архиви"));
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
        EXPECT_TRUE(connection.Query(sql, table).Ok());
        return table.Empty() ? QString() : table.Text(1, 0);
    }
    QTemporaryDir home;
};
} // namespace

TEST_F(ArchiveCommandsTest, BackupAndRestoreAsAScheduledJob) {
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(connection.Exec("INSERT INTO units VALUES('преди');").Ok());
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
        ASSERT_TRUE(connection.Exec("INSERT INTO units VALUES('след');").Ok());
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

// A firm on a server is archived into the same kind of file, in the folder
// the command runs in, and an archive brought back onto the server replaces
// the firm's data whole.
TEST_F(ArchiveCommandsTest, AServerFirmIsArchivedAndRestoredLikeAFile) {
    if (!TestServer::Wanted())
        GTEST_SKIP() << "a server's firm";
    QString why;
    const QString server = TestServer::NewDatabase(&why);
    ASSERT_FALSE(server.isEmpty()) << why.toStdString();
    const auto exec = [&](const QByteArray& sql) {
        Connection connection;
        ASSERT_TRUE(connection.Open(server, false).Ok());
        ASSERT_TRUE(connection.Exec(sql).Ok());
    };
    exec("INSERT INTO units VALUES('преди');");
    const ProgramRun backup = Tarvo({"backup", server});
    ASSERT_EQ(backup.status, 0) << backup.err.toStdString();
    const QString archive = backup.out.trimmed();
    EXPECT_TRUE(archive.startsWith(home.filePath("архиви") + "/TV") && QFile::exists(archive))
        << archive.toStdString();

    exec("INSERT INTO units VALUES('след');");
    const ProgramRun restore = Tarvo({"restore", archive, server});
    ASSERT_EQ(restore.status, 0) << restore.err.toStdString();
    Connection connection;
    ASSERT_TRUE(connection.Open(server, false).Ok());
    ResultTable units;
    ASSERT_TRUE(
        connection.Query("SELECT COUNT(*) AS n FROM units WHERE unit IN ('преди', 'след');", units).Ok());
    EXPECT_EQ(units.Int(1, 0), 1);
    connection.Close();
    TestServer::DropDatabase(server);
}

// The README's cron line on several computers: runs in the same second
// each write an archive of their own that gzip reads whole, and leave
// nothing else; what a killed run left is cleared by the next.
TEST_F(ArchiveCommandsTest, BackupsRacingInOneFolderEachWriteTheirOwn) {
    QProcess ended;
    ended.start("true", QStringList());
    ASSERT_TRUE(ended.waitForFinished());
    const qint64 gone = ended.processId();
    QDir(home.path()).mkpath("tmp");
    for (const QString& litter : {Firm() + QString("/TV20200101000000.Z.%1.part").arg(gone),
                                  Temp() + QString("/tarvo-archive-%1.db").arg(gone)}) {
        QFile file(litter);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 0; i < 4; ++i) {
        runs.push_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("TMPDIR", Temp());
        runs.back()->setProcessEnvironment(environment);
        runs.back()->start(TARVO_EXECUTABLE, {"backup", Firm()});
    }
    QStringList archives;
    for (auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(120000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
        archives << QString::fromUtf8(run->readAllStandardOutput()).trimmed();
    }
    archives.removeDuplicates();
    EXPECT_EQ(archives.size(), 4);
    for (const QString& archive : archives)
        EXPECT_EQ(QProcess::execute("gzip", {"-t", archive}), 0) << archive.toStdString();
    QStringList left = QDir(Firm()).entryList(QDir::Files);
    left.removeAll("tarvo.db");
    EXPECT_EQ(left.size(), 4) << left.join(' ').toStdString();
    EXPECT_TRUE(QDir(Temp()).entryList(QDir::Files).isEmpty());
}

// `tarvo euro`: the archive first, the prices in euro, a printed summary; a
// second run is refused and changes nothing.
TEST_F(ArchiveCommandsTest, EuroChangesThePricesOnceAfterAnArchive) {
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(
            connection.Exec("INSERT INTO stocks (code, stock_name, price_1) VALUES('A', 'А', 10);").Ok());
    }
    // A second run racing the first finds the firm in euro, whoever wins.
    QProcess rival;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    rival.setProcessEnvironment(environment);
    rival.start(TARVO_EXECUTABLE, {"euro", Firm()});
    ProgramRun euro = Tarvo({"euro", Firm()});
    ASSERT_TRUE(rival.waitForFinished(120000));
    const QString rivalErr = QString::fromUtf8(rival.readAllStandardError());
    EXPECT_EQ(euro.status + rival.exitCode(), 1) << euro.err.toStdString() << rivalErr.toStdString();
    EXPECT_TRUE((euro.status == 0 ? rivalErr : euro.err).contains("Фирмата вече работи в евро."))
        << euro.err.toStdString() << rivalErr.toStdString();
    if (euro.status != 0)
        euro.out = QString::fromUtf8(rival.readAllStandardOutput());
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

// A file of an older format is upgraded only in the window: the commands
// that read or change data refuse it and leave it as it was; an archive
// copy of it can still be made.
TEST_F(ArchiveCommandsTest, AnOlderFormatIsRefusedUntouched) {
    const QString old = home.filePath("стара");
    ASSERT_TRUE(QDir().mkpath(old));
    OldFormatFiles::Build(old + "/tarvo.db", 7);
    const auto bytes = [&old] {
        QFile file(old + "/tarvo.db");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    for (const QStringList& command : {QStringList{"euro", old}, QStringList{"report", "stock", old},
                                       QStringList{"pdf", "invoice", "15", home.filePath("f.pdf"), old}}) {
        const ProgramRun run = Tarvo(command);
        EXPECT_EQ(run.status, 1) << command.join(" ").toStdString();
        EXPECT_TRUE(run.err.contains("по-стара версия на TARVO (формат 7)")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(QFile::exists(home.filePath("f.pdf")));
    EXPECT_EQ(Tarvo({"backup", old}).status, 0);
    // A format without the place for the archive's day is archived as it is.
    const QString oldest = home.filePath("най-стара");
    ASSERT_TRUE(QDir().mkpath(oldest));
    OldFormatFiles::Build(oldest + "/tarvo.db", 3);
    const ProgramRun three = Tarvo({"backup", oldest});
    EXPECT_EQ(three.status, 0) << three.err.toStdString();
    EXPECT_TRUE(QFile::exists(three.out.trimmed()));
    // Another program's database is refused before anything is written.
    const QString foreign = home.filePath("чужда");
    ASSERT_TRUE(QDir().mkpath(foreign));
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(foreign + "/tarvo.db", true).Ok());
        ASSERT_TRUE(connection.Exec("CREATE TABLE t (x);").Ok());
    }
    EXPECT_EQ(Tarvo({"backup", foreign}).status, 1);
    EXPECT_EQ(QDir(foreign).entryList(QDir::Files), QStringList{"tarvo.db"});
}

// `tarvo report` and `tarvo pdf` as scripts run them: the CSV on standard
// output, a 45-line invoice as PDF read back, and the refusals.
TEST_F(ArchiveCommandsTest, ReportAndPdfFromAShell) {
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(GenerateFirm(connection, 0.01));
        // The first invoice, grown to 45 lines.
        ASSERT_TRUE(
            connection
                .Exec("CREATE TEMP TABLE one AS SELECT * FROM invoices_items WHERE doc_id = (SELECT "
                      "MIN(doc_id) "
                      "FROM invoices_main WHERE doc_type = 0) LIMIT 1;"
                      "DELETE FROM invoices_items WHERE doc_id = (SELECT doc_id FROM one);"
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 45) "
                      "INSERT INTO invoices_items SELECT one.* FROM one, n;"
                      "UPDATE invoices_items SET seq_id = rowid WHERE doc_id = (SELECT doc_id FROM one);")
                .Ok());
    }
    const ProgramRun turnover =
        Tarvo({"report", "turnover-customers", Firm(), "--from", "01.03.2025", "--to", "2025-03-31"});
    ASSERT_EQ(turnover.status, 0) << turnover.err.toStdString();
    const QStringList lines = turnover.out.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.first(), "\xEF\xBB\xBF" + QString("наименование на клиента;нето сума;сума с ДДС"));
    EXPECT_TRUE(lines.last().startsWith("ОБЩО НЕТО:;")) << lines.last().toStdString();

    const ProgramRun badDate = Tarvo({"report", "sales", Firm(), "--from", "2025-02-30"});
    EXPECT_EQ(badDate.status, 1);
    EXPECT_TRUE(badDate.err.contains("Невалидна дата")) << badDate.err.toStdString();
    EXPECT_TRUE(badDate.out.isEmpty());
    EXPECT_EQ(Tarvo({"report", "nothing", Firm()}).status, 1);
    // An option the form has no filter for is refused, not dropped.
    const ProgramRun foreign = Tarvo({"report", "turnover-customers", Firm(), "--group", "3"});
    EXPECT_EQ(foreign.status, 1);
    EXPECT_TRUE(foreign.err.contains("Справката turnover-customers не приема опцията --group."))
        << foreign.err.toStdString();
    EXPECT_EQ(Tarvo({"report", "deliveries", Firm(), "--partner", "1", "--partner", "2"}).status, 1);
    // Changed recipes whose costs cannot be kept (a file that refuses writes):
    // the report is whole and says why once, not once per recipe.
    {
        Connection connection;
        ASSERT_TRUE(connection.Open(Db(), false).Ok());
        ASSERT_TRUE(connection
                        .Exec("UPDATE stocks SET is_dirty = 1 WHERE is_recipe = 1;"
                              "CREATE TRIGGER refuse BEFORE UPDATE ON stocks "
                              "BEGIN SELECT RAISE(FAIL, 'no writes here'); END;")
                        .Ok());
    }
    const ProgramRun unwritable = Tarvo({"report", "stock", Firm(), "--with-zero"});
    EXPECT_EQ(unwritable.status, 0);
    EXPECT_EQ(unwritable.err.count("no writes here"), 1) << unwritable.err.toStdString();
    EXPECT_TRUE(unwritable.err.contains("Справката е пълна"));
    EXPECT_TRUE(unwritable.out.split("\r\n", Qt::SkipEmptyParts).last().startsWith("ОБЩО"))
        << unwritable.out.right(200).toStdString();
    ASSERT_EQ(Query("DROP TRIGGER refuse;"), "");

    const QString invoice = Query("SELECT MIN(doc_id) FROM invoices_main WHERE doc_type = 0;");
    const QString pdf = home.filePath("фактура.pdf");
    const ProgramRun written = Tarvo({"pdf", "invoice", invoice, pdf, Firm()});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    const QString read = PdfText(pdf);
    EXPECT_TRUE(read.contains("ФАКТУРА - ОРИГИНАЛ"));
    EXPECT_TRUE(read.contains(QString("№ %1").arg(invoice.toInt(), 10, 10, QChar('0'))));
    EXPECT_TRUE(read.contains("Сума за плащане"));
    EXPECT_TRUE(read.contains("словом:"));
    EXPECT_GE(read.count("СТРАНИЦА"), 1) << "45 lines take a second page";

    const QString missing = home.filePath("няма.pdf");
    const ProgramRun unknown = Tarvo({"pdf", "invoice", "99999", missing, Firm()});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains("Няма документ invoice с номер 99999."));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(Tarvo({"pdf", "receipt", "1", missing, Firm()}).status, 1);
    EXPECT_FALSE(QFile::exists(missing));
}
