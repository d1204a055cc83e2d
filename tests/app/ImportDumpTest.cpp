// `tarvo import-dump`: an old file's SQL text dump in CP1251 becomes a
// database of today's format, or nothing at all.
#include "app/DumpValues.h"
#include "app/ImportDumpCommand.h"
#include "db/OldFormatFiles.h"
#include "format/Cp1251.h"
#include "settings/LocalSettings.h"
#include "support/Fakes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

namespace {
const QString kUpperCyrillic = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
const QString kLowerCyrillic = "абвгдежзийклмнопрстуфхцчшщъыьэюя";

using OldFormatFiles::Sqlite2Dump;
using OldFormatFiles::ToCp1251;

class ImportDumpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<LocalSettings>(dir.filePath("settings.ini"));
        QDir(dir.path()).mkdir("firm");
    }
    QString Firm() const { return dir.filePath("firm"); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    int Import(const QString& name, const QStringList& options = kAllAnswers) {
        return RunImportDumpCommand(dir.filePath(name), Firm(), options, *settings, prompter, sleeper);
    }
    QString Query(const QByteArray& sql) {
        Connection file;
        EXPECT_TRUE(file.Open(Firm() + "/tarvo.db", false).Ok());
        ResultTable table;
        EXPECT_TRUE(file.Query(sql, table).Ok()) << sql.constData();
        return table.Empty() ? QString() : table.Text(1, 0);
    }
    static inline const QStringList kAllAnswers = {"--firm-tax-id=yes",     "--firm-vat-prefix=yes",
                                                   "--partner-tax-ids=yes", "--partner-vat-prefix=no",
                                                   "--keep-invoices=yes",   "--renumber-goods-notes=no",
                                                   "--optimize=no"};

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakeSleeper sleeper;
    std::unique_ptr<LocalSettings> settings;
};
} // namespace

TEST(Cp1251, EveryCyrillicLetterAndTheNumeroSign) {
    QByteArray upper, lower;
    for (int i = 0; i < 32; ++i) {
        upper += static_cast<char>(0xC0 + i);
        lower += static_cast<char>(0xE0 + i);
    }
    EXPECT_EQ(FromCp1251(upper), kUpperCyrillic);
    EXPECT_EQ(FromCp1251(lower), kLowerCyrillic);
    EXPECT_EQ(FromCp1251("\xB9 5 \xA8\xB8"), "№ 5 Ёё");
    // Valid UTF-8 is taken as it is.
    EXPECT_EQ(DecodeDumpText(QString("Д'Артанян №").toUtf8()), "Д'Артанян №");
    EXPECT_EQ(DecodeDumpText("\xc4'\xc0"), "Д'А");
    // A byte order mark and Windows line ends are not part of the text.
    EXPECT_EQ(DecodeDumpText("\xEF\xBB\xBF"
                             "BEGIN;\r\nCOMMIT;\r\n"),
              "BEGIN;\nCOMMIT;\n");
}

TEST_F(ImportDumpTest, AVersionEightDumpInCp1251BecomesADatabaseOfToday) {
    const QString old = dir.filePath("old.db");
    OldFormatFiles::Build(old, 8);
    {
        Connection file;
        ASSERT_TRUE(file.Open(old, false).Ok());
        // Values the old shell writes bare because they look like numbers.
        ASSERT_TRUE(file.Exec(QString("UPDATE revisions SET notes = 'първи ред\r\nвтори ред'; INSERT INTO units "
                                "VALUES('№ 5 %1'); UPDATE partners SET partner_phone = '0888123456', "
                                "partner_bulstat = '012345678', partner_notes = CAST('0123' AS BLOB); INSERT INTO stocks (code, stock_name, "
                                "units, price_1) VALUES('007', '1.50', 'бр.', '1.50');")
                            .arg(kUpperCyrillic + kLowerCyrillic)
                            .toUtf8())
                        .Ok());
    }
    const QString dump = Sqlite2Dump(old);
    ASSERT_TRUE(dump.contains("INSERT INTO revisions VALUES(1,'2006-09-01'"));
    ASSERT_TRUE(dump.contains(",0888123456,"));
    // Written on Windows: every line ends with CR LF, the note's own line
    // break included.
    Write("tarvo.sql", ToCp1251(QString(dump).replace("\n", "\r\n")));
    ASSERT_EQ(Import("tarvo.sql"), 0) << prompter.Texts().join("\n").toStdString();
    EXPECT_EQ(Query("SELECT key_value FROM settings WHERE key_name = 'dbversion';"), "14");
    EXPECT_EQ(Query("SELECT partner_name FROM partners;"), "Д'Артанян ООД");
    EXPECT_EQ(Query("SELECT notes FROM revisions;"), "първи ред\r\nвтори ред");
    EXPECT_EQ(Query("SELECT unit FROM units WHERE unit LIKE '№%';"),
              "№ 5 " + kUpperCyrillic + kLowerCyrillic);
    EXPECT_EQ(Query("SELECT doc_id FROM invoices_main;"), "-15");
    EXPECT_EQ(Query("SELECT bulstat FROM firmdata;"), "BG111222333");
    // Leading zeros and written decimals of text columns survive; numeric
    // columns still hold numbers.
    EXPECT_EQ(Query("SELECT partner_phone FROM partners;"), "0888123456");
    EXPECT_EQ(Query("SELECT partner_notes FROM partners;"), "0123"); // a MEMO keeps what was typed
    EXPECT_EQ(Query("SELECT stock_name || '|' || typeof(price_1) FROM stocks WHERE code = '007';"),
              "1.50|real");
    EXPECT_EQ(Query("SELECT typeof(doc_id) FROM stokovi_main LIMIT 1;"), "integer");
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db.import"));

    // A database is there now: a second import is refused.
    EXPECT_EQ(Import("tarvo.sql"), 1);
}

TEST(ImportDump, ATerminalAnswerIsYesOrNoOnEitherKeyboard) {
    for (const char* yes : {"y", "Y", " yes ", "д", "Да"})
        EXPECT_EQ(TerminalAnswer(QString::fromUtf8(yes)), std::optional<bool>(true)) << yes;
    for (const char* no : {"n", "NO", "н", "не\r"})
        EXPECT_EQ(TerminalAnswer(QString::fromUtf8(no)), std::optional<bool>(false)) << no;
    for (const char* unclear : {"", "ok", "yy", "дaa", "1"})
        EXPECT_EQ(TerminalAnswer(QString::fromUtf8(unclear)), std::nullopt) << unclear;
}

TEST(DumpValues, BareNumbersOfAnInsertBecomeText) {
    EXPECT_EQ(QuoteBareNumbers("INSERT INTO partners VALUES(1,'О''Нийл, (ЕТ)',0888,-2.5,NULL,1e3,12.);"),
              "INSERT INTO partners VALUES('1','О''Нийл, (ЕТ)','0888','-2.5',NULL,'1e3','12.');");
    // Whatever is not a number stays as it is: functions, blobs, names.
    EXPECT_EQ(QuoteBareNumbers("INSERT INTO \"t v\" VALUES(X'0A',replace('a,b',',',char(10)),7)"),
              "INSERT INTO \"t v\" VALUES(X'0A',replace('a,b',',',char(10)),'7')");
    EXPECT_EQ(QuoteBareNumbers("CREATE TABLE t (x NUMERIC(13, 2));"), "CREATE TABLE t (x NUMERIC(13, 2));");
    EXPECT_EQ(QuoteBareNumbers("INSERT INTO t VALUES(1,'open"), "INSERT INTO t VALUES(1,'open");
    // The values of a MEMO column are kept as typed; the table is read from any quoting.
    EXPECT_EQ(QuoteBareNumbers("INSERT INTO t VALUES(1,0123,NULL)", {1, 2}),
              "INSERT INTO t VALUES('1',CAST('0123' AS BLOB),NULL)");
    EXPECT_EQ(InsertTable("INSERT INTO \"t \"\"v\" VALUES(1)"), "t \"v");
    EXPECT_EQ(InsertTable("insert into [partners] values(1)"), "partners");
    EXPECT_EQ(InsertTable("CREATE TABLE t (x)"), "");
}

TEST_F(ImportDumpTest, ABrokenStatementNamesItsLineAndLeavesNoFile) {
    Write("broken.sql",
          ToCp1251("BEGIN TRANSACTION;\nCREATE TABLE units (unit VARCHAR(50));\n"
                   "INSERT INTO units VALUES('бр.');\nINSERT INTO units VALUES('кг'\n,);\nCOMMIT;\n"));
    EXPECT_EQ(Import("broken.sql"), 1);
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Texts()[0].startsWith("Грешка в ред 4 на дъмпа"))
        << prompter.Texts()[0].toStdString();
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db"));
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db.import"));

    // Not a Tarvo file at all.
    prompter.Clear();
    Write("foreign.sql", "CREATE TABLE t (x);\nINSERT INTO t VALUES(1);\n");
    EXPECT_EQ(Import("foreign.sql"), 1);
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db"));

    // An unknown option.
    EXPECT_EQ(Import("foreign.sql", {"--yes-to-everything"}), 1);

    // A dump the shell cut short after an error.
    prompter.Clear();
    Write("cut.sql", "BEGIN TRANSACTION;\nCREATE TABLE t (x);\nROLLBACK; -- due to errors\n");
    EXPECT_EQ(Import("cut.sql"), 1);
    EXPECT_TRUE(prompter.Texts().last().contains("ROLLBACK")) << prompter.Texts().last().toStdString();
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db"));

    // A version table alone is no firm.
    Write("version.sql", "CREATE TABLE version (version INTEGER);\nINSERT INTO version VALUES(8);\n");
    EXPECT_EQ(Import("version.sql"), 1);
    EXPECT_EQ(prompter.Texts().last(), "Дъмпът не съдържа база данни на TARVO в поддържан формат.");
}

// A dump is untrusted: nothing but what a dump holds runs, and only on the
// new file; another firm's file stays as it was, and no file appears.
TEST_F(ImportDumpTest, AHostileDumpReachesNoOtherFile) {
    const QString other = dir.filePath("other.db");
    OldFormatFiles::Build(other, 8);
    const QByteArray before = [&] {
        QFile f(other);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString written = dir.filePath("written.db");
    const QString attach = QString("ATTACH DATABASE '%1' AS v;\nDELETE FROM v.stocks;\n").arg(other);
    for (const QString& body : {attach, QString("VACUUM INTO '%1';\n").arg(written), "/* x */ COMMIT;\n" + attach,
                                QString("PRAGMA writable_schema = 1;\n"), QString("DELETE FROM units;\n")}) {
        prompter.Clear();
        Write("hostile.sql", ("BEGIN TRANSACTION;\nCREATE TABLE units (unit VARCHAR(50));\n" + body).toUtf8());
        EXPECT_EQ(Import("hostile.sql"), 1) << body.toStdString();
        ASSERT_EQ(prompter.Count(), 1);
        EXPECT_TRUE(prompter.Texts()[0].contains("ед 3 на дъмпа"))
            << prompter.Texts()[0].toStdString();
        EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db"));
        EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db.import"));
        EXPECT_FALSE(QFile::exists(written));
    }
    QFile after(other);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    // A lost apostrophe names the line where its string began.
    prompter.Clear();
    QByteArray dump = "BEGIN TRANSACTION;\nCREATE TABLE units (unit VARCHAR(50));\nINSERT INTO units VALUES('кг);\n";
    for (int i = 0; i < 2000; ++i)
        dump += "INSERT INTO units VALUES('бр.');\n";
    Write("lost.sql", dump);
    EXPECT_EQ(Import("lost.sql"), 1);
    EXPECT_TRUE(prompter.Texts().last().contains("отворена на ред 3")) << prompter.Texts().last().toStdString();
}

TEST_F(ImportDumpTest, WithoutATerminalEveryAnswerMustBeAnOption) {
    if (::isatty(STDIN_FILENO))
        GTEST_SKIP() << "run with a terminal";
    const QString old = dir.filePath("old.db");
    OldFormatFiles::Build(old, 8);
    Write("tarvo.sql", ToCp1251(Sqlite2Dump(old)));
    EXPECT_EQ(Import("tarvo.sql", {"--optimize=no"}), 1);
    EXPECT_TRUE(prompter.Texts().last().contains("--keep-invoices=yes|no"));
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db"));
}
