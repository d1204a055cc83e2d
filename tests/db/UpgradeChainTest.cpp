// Every old format walks to 14 and ends in today's layout with the firm's
// data carried over; refusals and failures leave the file as it was.
#include "db/DatabaseCreator.h"
#include "db/OldFormatFiles.h"
#include "db/upgrade/UpgradeDatabase.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "support/Fakes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
constexpr const char* kArchiveQuestionStart = "ВНИМАНИЕ!!!";
constexpr const char* kConsentStart = "Предстои преструктуриране на данните Ви.";

class RecordingUpgradeHost : public UpgradeHost {
public:
    void MakeArchive(Connection&, const QString&) override { ++archives; }
    void ShowWaitBox() override { ++boxes; }
    void HideWaitBox() override { ++hidden; }
    int archives = 0;
    int boxes = 0;
    int hidden = 0;
};

class UpgradeChainTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<LocalSettings>(dir.filePath("settings.ini"));
        settings->SetFirmDataName("Tarvo Ltd");
        settings->SetFirmDataCity("Ruse");
        settings->SetFirmDataAddress("Dunav 5");
        settings->SetFirmDataMOL("Petar");
    }
    QString Path() const { return dir.filePath("tarvo.db"); }
    // Opens the file as the program does; the chain runs with these answers.
    void Open(std::vector<Answer> answers) {
        for (Answer answer : answers)
            prompter.Expect(answer);
        CTarvoDoc doc(SessionServices{prompter, exit, sleeper, *settings, chooser, &host}, dir.path());
        opened = doc.GetDatabase() != nullptr;
    }
    // Yes to the consent, the identifier questions and keeping the invoices;
    // No to the archive, renumbering goods notes and the optimisation.
    static std::vector<Answer> Usual(int version) {
        std::vector<Answer> answers = {Answer::No, Answer::Yes};
        if (version < 10)
            answers.insert(answers.end(),
                           {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes, Answer::No});
        answers.push_back(Answer::No);
        return answers;
    }
    QString Query(const QString& sql) {
        Connection file;
        EXPECT_TRUE(file.Open(Path(), false).Ok());
        ResultTable table;
        EXPECT_TRUE(file.Query(sql.toUtf8(), table).Ok()) << sql.toStdString();
        QStringList rows;
        for (int r = 1; r <= table.Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < table.Columns(); ++c)
                cells << table.Text(r, c, "NULL");
            rows << cells.join("|");
        }
        return rows.join(" ");
    }
    QStringList Successes() const {
        QStringList steps;
        for (const QString& text : prompter.Texts())
            if (text.startsWith("Вашата база данни беше актуализирана успешно към формат "))
                steps << text.section(' ', -1).chopped(1);
        return steps;
    }
    // Tables, their columns (name, type, NOT NULL, default, key) and indexes.
    static QString SchemaOf(const QString& path) {
        Connection file;
        EXPECT_TRUE(file.Open(path, false).Ok());
        ResultTable tables;
        file.Query("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name;", tables);
        QStringList out;
        for (int r = 1; r <= tables.Rows(); ++r) {
            const QString table = tables.Text(r, 0);
            out << "TABLE " + table;
            ResultTable columns;
            file.Query(QString("PRAGMA table_info([%1]);").arg(table).toUtf8(),
                                  columns);
            for (int c = 1; c <= columns.Rows(); ++c)
                out << QString("  %1 %2 %3 %4 %5")
                           .arg(columns.Text(c, 1), columns.Text(c, 2), columns.Text(c, 3),
                                columns.Text(c, 4, "NULL"), columns.Text(c, 5));
            ResultTable indexes;
            file.Query(QString("PRAGMA index_list([%1]);").arg(table).toUtf8(),
                                  indexes);
            QStringList names;
            for (int i = 1; i <= indexes.Rows(); ++i)
                if (!indexes.Text(i, 1).startsWith("sqlite_autoindex"))
                    names << indexes.Text(i, 1) + (indexes.Int(i, 2) ? " unique" : "");
            names.sort();
            for (const QString& name : names)
                out << "  INDEX " + name;
        }
        return out.join("\n");
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    RecordingExit exit;
    FakeSleeper sleeper;
    ScriptedChooser chooser;
    RecordingUpgradeHost host;
    std::unique_ptr<LocalSettings> settings;
    bool opened = false;
};
} // namespace

TEST_F(UpgradeChainTest, EveryOldFormatEndsInTodaysLayoutWithItsData) {
    QTemporaryDir freshDir;
    {
        Connection fresh;
        ScriptedPrompter silent;
        FakeSleeper pause;
        ASSERT_EQ(CreateDatabase(freshDir.filePath("tarvo.db"), fresh, pause, silent),
                  CreationResult::Created);
    }
    const QString today = SchemaOf(freshDir.filePath("tarvo.db"));
    ASSERT_EQ(today.count("  INDEX "), 20);

    for (int version = 1; version <= 13; ++version) {
        SCOPED_TRACE(version);
        QFile::remove(Path());
        prompter.Clear();
        exit.statuses.clear();
        OldFormatFiles::Build(Path(), version);
        Open(Usual(version));
        EXPECT_FALSE(opened);
        EXPECT_EQ(exit.statuses, std::vector<int>{0}) << prompter.Texts().join("\n---\n").toStdString();
        EXPECT_TRUE(prompter.AllAnswersUsed());
        QStringList expected;
        for (int step = version + 1; step <= 14; ++step)
            expected << QString::number(step);
        EXPECT_EQ(Successes(), expected);
        EXPECT_EQ(SchemaOf(Path()), today);

        EXPECT_EQ(Query("SELECT key_value FROM settings WHERE key_name = 'dbversion';"), "14");
        EXPECT_EQ(Query("SELECT key_name FROM settings WHERE key_name = 'use_new_id';"), "");
        // The bank accounts without their VAT twins.
        EXPECT_EQ(Query("SELECT id || ':' || name || ':' || acc FROM banks ORDER BY id;"),
                  "1:ДСК:1001 2:О'Банк:1002");
        EXPECT_EQ(Query("SELECT firm_bank_id FROM stokovi_firmdata ORDER BY doc_id;"), "2 2");
        EXPECT_EQ(Query("SELECT code || ':' || is_dirty FROM stocks ORDER BY code;"), "G1:0 P1:1");
        EXPECT_EQ(
            Query("SELECT item_code || ':' || cost_price FROM stokovi_items ORDER BY doc_id, item_code;"),
            "G1:1.25 P1:4.5 G1:1.25 P1:4.5");
        EXPECT_EQ(Query("SELECT curr || ':' || partner_name FROM requests_main;"),
                  version >= 2 ? "BGL:Д'Артанян" : "");
        EXPECT_EQ(
            Query("SELECT firm_name_lat || ':' || city_lat || ':' || address_lat || ':' || mol_lat FROM "
                  "firmdata;"),
            "Tarvo Ltd:Ruse:Dunav 5:Petar");
        EXPECT_EQ(
            Query("SELECT partner_name || ':' || partner_bulstat || ':' || default_price FROM partners;"),
            version < 10 ? "Д'Артанян ООД:BG123456789:1" : "Д'Артанян ООД:123456789:1");
        // Invoice 15 of 2006 kept as -15, its goods note pointing at it.
        EXPECT_EQ(Query("SELECT doc_id FROM invoices_main;"), version < 10 ? "-15" : "15");
        EXPECT_EQ(Query("SELECT invoiced || ':' || invoice_id FROM stokovi_items WHERE doc_id = 1;"),
                  version < 10 ? "1:-15 1:-15" : "1:15 1:15");
        EXPECT_EQ(Query("SELECT rec_id || ':' || based_on_doc_id FROM cash_register ORDER BY rec_id;"),
                  "1:1 2:1");
        EXPECT_EQ(Query("SELECT COUNT(*) FROM cash_register_cmp;"), "2");
    }
}

// Formats 1-3 have no unique key on codes and numbers, so files with a code
// or a goods-note number twice exist: with consent the later rows get free
// ones, listed beside the file, and every row reaches format 14.
TEST_F(UpgradeChainTest, DuplicateCodesAndNumbersGetFreeOnesAndNoRowIsLost) {
    OldFormatFiles::Build(Path(), 3);
    {
        Connection file;
        ASSERT_TRUE(file.Open(Path(), false).Ok());
        ASSERT_TRUE(file.Exec("INSERT INTO stocks (code, stock_name) VALUES('G1', 'Двойник');"
                                         "INSERT INTO stokovi_main SELECT * FROM stokovi_main WHERE doc_id = 2;")
                        .Ok());
    }
    std::vector<Answer> answers = Usual(3);
    answers.insert(answers.begin() + 2, Answer::Yes);  // the codes, at format 4
    answers.insert(answers.end() - 1, Answer::Yes);    // the goods-note numbers
    Open(answers);
    EXPECT_EQ(exit.statuses, std::vector<int>{0}) << prompter.Texts().join("\n---\n").toStdString();
    EXPECT_TRUE(prompter.AllAnswersUsed());
    EXPECT_EQ(Query("SELECT code || ':' || stock_name FROM stocks ORDER BY code;"), "G1:" + Query("SELECT stock_name FROM stocks WHERE code = 'G1';") + " G1-2:Двойник P1:" + Query("SELECT stock_name FROM stocks WHERE code = 'P1';"));
    EXPECT_EQ(Query("SELECT COUNT(*) FROM stokovi_main;"), "3");
    QFile list(dir.filePath("tarvo-upgrade-duplicates.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QString listed = QString::fromUtf8(list.readAll());
    EXPECT_TRUE(listed.contains("stocks.code: \"G1\" -> \"G1-2\"")) << listed.toStdString();
    EXPECT_TRUE(listed.contains("stokovi_main.doc_id: \"2\" -> \"3\"")) << listed.toStdString();
}

TEST_F(UpgradeChainTest, VersionTwelveRunsTwoStepsAndAnEmptyVersionTableIsOne) {
    OldFormatFiles::Build(Path(), 12);
    Open(Usual(12));
    EXPECT_EQ(Successes(), (QStringList{"13", "14"}));
    EXPECT_EQ(host.boxes, 2);
    EXPECT_EQ(host.hidden, 2);

    QFile::remove(Path());
    prompter.Clear();
    OldFormatFiles::Build(Path(), 1, true);
    Open(Usual(1));
    EXPECT_EQ(Successes().size(), 13);
    EXPECT_EQ(Query("SELECT key_value FROM settings WHERE key_name = 'dbversion';"), "14");
}

TEST_F(UpgradeChainTest, RefusingLeavesTheFileByteForByte) {
    OldFormatFiles::Build(Path(), 5, true);
    QFile before(Path());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    Open({Answer::Yes, Answer::No});
    EXPECT_FALSE(opened);
    EXPECT_EQ(host.archives, 1);
    EXPECT_TRUE(exit.statuses.empty());
    EXPECT_TRUE(prompter.Texts()[0].startsWith(kArchiveQuestionStart));
    EXPECT_TRUE(prompter.Texts()[1].startsWith(kConsentStart));
    QFile after(Path());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
}

TEST_F(UpgradeChainTest, TheStepToTenRenumbersOnlyWhatIsAsked) {
    OldFormatFiles::Build(Path(), 9);
    {
        // Warranty cards of goods note 1 and of invoice 15.
        Connection file;
        ASSERT_TRUE(file.Open(Path(), false).Ok());
        ASSERT_TRUE(file.Exec("INSERT INTO gk_main (doc_id, doc_dt, customer_id, customer_name, "
                                                        "received_by, to_doc_mode, to_doc_id) "
                                                        "VALUES(1, '2006-12-01', 1, 'А', 'Б', 1, 1), (2, '2006-12-01', 1, 'А', 'Б', 2, 15), "
                                                        "(3, '2006-12-01', 1, 'А', 'Б', 0, 0);")
                        .Ok());
    }
    // No to every identifier question and to keeping the invoices, Yes to
    // renumbering the goods notes.
    Open({Answer::No, Answer::Yes, Answer::No, Answer::No, Answer::No, Answer::No, Answer::No, Answer::Yes,
          Answer::No});
    EXPECT_EQ(exit.statuses, std::vector<int>{0});
    EXPECT_EQ(Query("SELECT tax_id || ':' || bulstat FROM firmdata;"), "0:111222333");
    EXPECT_EQ(Query("SELECT partner_tax_id || ':' || partner_bulstat FROM partners;"), "0:123456789");
    EXPECT_EQ(Query("SELECT COUNT(*) FROM invoices_main;") + Query("SELECT COUNT(*) FROM invoices_items;"),
              "00");
    EXPECT_EQ(Query("SELECT doc_id || ':' || invoice_id FROM stokovi_main ORDER BY doc_id;"), "-2:0 -1:-15");
    EXPECT_EQ(Query("SELECT DISTINCT doc_id FROM soldmat;"), "-1");
    // The sale's operation follows its goods note; the delivery's keeps its link.
    EXPECT_EQ(Query("SELECT rec_id || ':' || based_on_doc_id FROM cash_register ORDER BY rec_id;"),
              "1:-1 2:1");
    EXPECT_EQ(Query("SELECT doc_id FROM supplies_main;"), "1");
    // The cards move with their documents: no new document takes them.
    EXPECT_EQ(Query("SELECT to_doc_id FROM gk_main ORDER BY doc_id;"), "-1 -15 0");

    // Yes to all the identifier questions.
    QFile::remove(Path());
    prompter.Clear();
    OldFormatFiles::Build(Path(), 9);
    Open(Usual(9));
    EXPECT_EQ(Query("SELECT tax_id || ':' || bulstat FROM firmdata;"), "111222333:BG111222333");
    EXPECT_EQ(Query("SELECT partner_tax_id FROM partners;"), "123456789");
}

TEST_F(UpgradeChainTest, AFailedStepStopsAtThePreviousFormatAndTheNextStartResumes) {
    OldFormatFiles::Build(Path(), 6);
    {
        Connection file;
        ASSERT_TRUE(file.Open(Path(), false).Ok());
        ASSERT_TRUE(file.Exec("INSERT INTO revisions (doc_id, doc_dt) VALUES(1, "
                                                        "'2006-09-02');")
                        .Ok());
    }
    // The duplicate is told; No to giving it a free number stops the step.
    Open({Answer::No, Answer::Yes, Answer::No});
    EXPECT_EQ(exit.statuses, std::vector<int>{-1});
    EXPECT_TRUE(Successes().isEmpty());
    EXPECT_TRUE(prompter.Texts().last().contains("CREATE UNIQUE INDEX ON revisions (doc_id)"))
        << prompter.Texts().last().toStdString();
    EXPECT_EQ(Query("SELECT version FROM version;"), "6");
    EXPECT_EQ(Query("SELECT COUNT(*) FROM revisions;"), "2");

    // The duplicate mended, the next start goes on from 6.
    {
        Connection file;
        ASSERT_TRUE(file.Open(Path(), false).Ok());
        ASSERT_TRUE(
            file.Exec("DELETE FROM revisions WHERE doc_dt = '2006-09-02';").Ok());
    }
    prompter.Clear();
    exit.statuses.clear();
    Open(Usual(6));
    EXPECT_EQ(exit.statuses, std::vector<int>{0});
    EXPECT_EQ(Successes().first(), "7");
}
