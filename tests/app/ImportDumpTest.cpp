// `tarvo import-dump`: an old file's SQL text dump in CP1251 becomes a
// database of today's format, or nothing at all.
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

// The text as the old shell wrote it: CP1251, Cyrillic and "№" only.
QByteArray cp1251(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            bytes += static_cast<char>(c.unicode());
        else if (c == QChar(0x2116))
            bytes += static_cast<char>(0xB9);
        else if (c.unicode() >= 0x410 && c.unicode() <= 0x44F)
            bytes += static_cast<char>(0xC0 + (c.unicode() - 0x410));
        else
            ADD_FAILURE() << "no CP1251 byte for " << static_cast<int>(c.unicode());
    }
    return bytes;
}

QString quoted(const QString& value) {
    return "'" + QString(value).replace("'", "''") + "'";
}

// A dump of the file as the SQLite 2.8 shell's .dump writes one.
QString dumpOf(const QString& path) {
    Connection file;
    EXPECT_TRUE(file.Open(path, false).Ok());
    ResultTable tables;
    Connection::QueryOnce(file.Handle(), "SELECT name, sql FROM sqlite_master WHERE type = 'table';", tables);
    QString dump = "BEGIN TRANSACTION;\n";
    for (int t = 1; t <= tables.Rows(); ++t) {
        const QString table = tables.Text(t, 0);
        dump += tables.Text(t, 1) + ";\n";
        ResultTable rows;
        Connection::QueryOnce(file.Handle(), QString("SELECT * FROM [%1];").arg(table).toUtf8(), rows);
        for (int r = 1; r <= rows.Rows(); ++r) {
            QStringList values;
            for (int c = 0; c < rows.Columns(); ++c)
                values << (rows.IsNull(r, c) ? QString("NULL") : quoted(rows.Text(r, c)));
            dump += QString("INSERT INTO %1 VALUES(%2);\n").arg(table, values.join(","));
        }
    }
    return dump + "COMMIT;\n";
}

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
        EXPECT_TRUE(Connection::QueryOnce(file.Handle(), sql, table).Ok()) << sql.constData();
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
}

TEST_F(ImportDumpTest, AVersionEightDumpInCp1251BecomesADatabaseOfToday) {
    const QString old = dir.filePath("old.db");
    OldFormatFiles::Build(old, 8);
    {
        Connection file;
        ASSERT_TRUE(file.Open(old, false).Ok());
        ASSERT_TRUE(
            Connection::ExecOnce(file.Handle(), QString("UPDATE revisions SET notes = 'първи ред\nвтори "
                                                        "ред'; INSERT INTO units VALUES('№ 5 %1');")
                                                    .arg(kUpperCyrillic + kLowerCyrillic)
                                                    .toUtf8())
                .Ok());
    }
    Write("tarvo.sql", cp1251(dumpOf(old)));
    ASSERT_EQ(Import("tarvo.sql"), 0) << prompter.Texts().join("\n").toStdString();
    EXPECT_EQ(Query("SELECT key_value FROM settings WHERE key_name = 'dbversion';"), "14");
    EXPECT_EQ(Query("SELECT partner_name FROM partners;"), "Д'Артанян ООД");
    EXPECT_EQ(Query("SELECT notes FROM revisions;"), "първи ред\nвтори ред");
    EXPECT_EQ(Query("SELECT unit FROM units WHERE unit LIKE '№%';"),
              "№ 5 " + kUpperCyrillic + kLowerCyrillic);
    EXPECT_EQ(Query("SELECT doc_id FROM invoices_main;"), "-15");
    EXPECT_EQ(Query("SELECT bulstat FROM firmdata;"), "BG111222333");
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db.import"));

    // A database is there now: a second import is refused.
    EXPECT_EQ(Import("tarvo.sql"), 1);
}

TEST_F(ImportDumpTest, ABrokenStatementNamesItsLineAndLeavesNoFile) {
    Write("broken.sql",
          cp1251("BEGIN TRANSACTION;\nCREATE TABLE units (unit VARCHAR(50));\n"
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
}

TEST_F(ImportDumpTest, WithoutATerminalEveryAnswerMustBeAnOption) {
    if (::isatty(STDIN_FILENO))
        GTEST_SKIP() << "run with a terminal";
    const QString old = dir.filePath("old.db");
    OldFormatFiles::Build(old, 8);
    Write("tarvo.sql", cp1251(dumpOf(old)));
    EXPECT_EQ(Import("tarvo.sql", {"--optimize=no"}), 1);
    EXPECT_TRUE(prompter.Texts().last().contains("--keep-invoices=yes|no"));
    EXPECT_FALSE(QFile::exists(Firm() + "/tarvo.db"));
}
