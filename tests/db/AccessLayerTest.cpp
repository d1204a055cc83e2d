#include "base/OperationTimer.h"
#include "db/Connection.h"
#include "db/DbMessages.h"
#include "db/DocumentNumbers.h"
#include "db/UnicodeLike.h"
#include "support/DatabaseTest.h"

#include <gtest/gtest-spi.h>

namespace {

class AccessLayerTest : public DatabaseTest {
protected:
    // Another connection that holds the write lock of the file.
    std::unique_ptr<Connection> Lock() {
        auto other = OpenSecondConnection();
        EXPECT_TRUE(other->Exec("BEGIN EXCLUSIVE;").Ok());
        return other;
    }
};

TEST_F(AccessLayerTest, BusyOnceThenFreeSucceedsAfterOnePauseWithoutMessage) {
    SKIP_ON_SERVER("the file's busy answer");
    auto other = Lock();
    sleeper.onSleep = [&](int) { other->Exec("COMMIT;"); };

    DbResult result = Db().ExecWithRetry("INSERT INTO units VALUES('кг');");

    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(sleeper.pauses, std::vector<int>{500});
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_EQ(Scalar("SELECT unit FROM units;"), "кг");
}

TEST_F(AccessLayerTest, BusyOnEveryAttemptGivesUpAfter2500TriesWithOneMessage) {
    SKIP_ON_SERVER("the file's busy answer");
    auto other = Lock();

    DbResult result = Db().ExecWithRetry("INSERT INTO units VALUES('кг');");
    ASSERT_TRUE(result.Failed());
    EXPECT_EQ(result.code, DbCode::kBusy);
    EXPECT_EQ(sleeper.pauses.size(), 2500u); // the last busy answer is paused for too
    Db().ReportDbError(result);

    EXPECT_EQ(prompter.Texts(), QStringList{DbMessages::kBusy});
    EXPECT_EQ(result.code, DbCode::kOk);
    EXPECT_TRUE(result.error.isNull());

    // Reads wait the same way.
    ResultTable table;
    sleeper.pauses.clear();
    EXPECT_EQ(Db().QueryWithRetry("SELECT * FROM units;", table).code, DbCode::kBusy);
    EXPECT_EQ(sleeper.pauses.size(), 2500u);
    EXPECT_TRUE(table.Empty());
}

TEST_F(AccessLayerTest, LibraryErrorsEndTheLoopAtOnceAndShowTheLibraryText) {
    SKIP_ON_SERVER("the file library's own messages");
    DbResult syntax = Db().ExecWithRetry("SELEC 1;");
    EXPECT_TRUE(syntax.Failed());
    EXPECT_TRUE(sleeper.pauses.empty());
    Db().ReportDbError(syntax);

    ASSERT_TRUE(Db().Exec("INSERT INTO units VALUES('бр.');"));
    EXPECT_FALSE(Db().Exec("INSERT INTO units VALUES('бр.');")); // primary key

    EXPECT_TRUE(sleeper.pauses.empty());
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Texts()[0], "near \"SELEC\": syntax error");
    EXPECT_TRUE(prompter.Texts()[1].contains("UNIQUE constraint failed"));
    EXPECT_EQ(prompter.Boxes()[0].icon, MessageIcon::None);
}

TEST_F(AccessLayerTest, ReportDbErrorChoosesItsMessageByCode) {
    DbResult ok;
    Db().ReportDbError(ok);
    EXPECT_EQ(prompter.Count(), 0);

    DbResult corrupt{DbCode::kCorrupt, "database disk image is malformed"};
    DbResult cantOpen{DbCode::kCantOpen, "unable to open database file"};
    DbResult other{19, "constraint failed"};
    DbResult noDatabase{DbCode::kNoDatabase, QByteArray()};
    // A read-only file (an extended code too) and a full disk are told in Bulgarian.
    DbResult readOnly{DbCode::kReadOnly | (1 << 8), "attempt to write a readonly database"};
    DbResult full{DbCode::kFull, "database or disk is full"};
    for (DbResult* result : {&corrupt, &cantOpen, &other, &noDatabase, &readOnly, &full})
        Db().ReportDbError(*result);

    EXPECT_EQ(prompter.Texts(), (QStringList{DbMessages::kCorrupt, DbMessages::kCantOpen, "constraint failed",
                                             DbMessages::kReadOnly, DbMessages::kFull}));
    EXPECT_EQ(corrupt.code, 0);
    EXPECT_EQ(other.code, 0);
}

TEST_F(AccessLayerTest, DocumentNumbersSkipSetAsideDocumentsAndNeverGuess) {
    EXPECT_EQ(NextDocumentNumber(Db(), "offers"), 1);
    // An upgrade keeps old documents under negative numbers: they do not count.
    ASSERT_TRUE(Db().Exec("INSERT INTO offers (doc_id) VALUES(-7); INSERT INTO offers (doc_id) VALUES(-2);"));
    EXPECT_EQ(NextDocumentNumber(Db(), "offers"), 1);
    ASSERT_TRUE(Db().Exec("INSERT INTO offers (doc_id) VALUES(4);"));
    EXPECT_EQ(NextDocumentNumber(Db(), "offers"), 5);
    EXPECT_EQ(FreeDocumentNumber(Db(), "offers", 3), 3);
    EXPECT_EQ(FreeDocumentNumber(Db(), "offers", 4), 5);
    EXPECT_EQ(FreeDocumentNumber(Db(), "offers", -2), 5);
    ASSERT_TRUE(Db().Exec("DROP TABLE offers;"));
    EXPECT_EQ(NextDocumentNumber(Db(), "offers"), std::nullopt); // a failed read is no number
    EXPECT_EQ(prompter.Count(), 1);
}

TEST_F(AccessLayerTest, QueryFillsTheClassicLayoutWithNullCells) {
    ASSERT_TRUE(Db().Exec("INSERT INTO groups (id, name, parent_id) VALUES(1, 'Стоки', 0);"
                          "INSERT INTO groups (id, name, parent_id) VALUES(2, NULL, 1);"));
    ResultTable table;
    ASSERT_TRUE(Db().QueryWithRetry("SELECT id, name, parent_id FROM groups ORDER BY id;", table).Ok());

    ASSERT_EQ(table.Rows(), 2);
    ASSERT_EQ(table.Columns(), 3);
    EXPECT_STREQ(table.Cell(0, 1), "name");
    EXPECT_STREQ(table.Cell(1, 1), "Стоки");
    EXPECT_EQ(table.Cell(2, 1), nullptr);
    EXPECT_EQ(table.Text(2, 1, "(няма)"), "(няма)");
    EXPECT_EQ(table.Int(2, 2), 1);
    EXPECT_EQ(table.Cell(3, 0), nullptr); // past the last row
    EXPECT_EQ(table.Cell(1, 3), nullptr); // past the last column

    // An expression column answers to its alias only; a name the result lacks fails the test.
    ASSERT_TRUE(Db().QueryWithRetry("SELECT ABS(id) AS id, ROUND(parent_id, 2) FROM groups;", table).Ok());
    EXPECT_EQ(table.Column("id"), 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(table.Column("parent_id"), -1), "no column \"parent_id\"");
    EXPECT_EQ(table.OptionalColumn("parent_id"), -1);

    ASSERT_TRUE(Db().QueryWithRetry("SELECT id FROM groups WHERE id > 5;", table).Ok());
    EXPECT_TRUE(table.Empty());
}

TEST_F(AccessLayerTest, TypedTextNeverEndsItsQuotedLiteral) {
    const QStringList names = {
        "O'Brien", "'); DROP TABLE units; --", "\"кавички\" и 'апострофи'", "100% -- '%'", "a''b", "\\'"};
    for (const QString& name : names)
        ASSERT_TRUE(
            Db().ExecPrintf("INSERT INTO partners (partner_name, partner_mol) VALUES(?, ?);", name,
                                            std::optional<QString>(name)))
            << name.toStdString();

    ResultTable table;
    ASSERT_TRUE(Db().QueryPrintfWithRetry(table,
                                          "SELECT partner_name, partner_mol FROM partners WHERE "
                                          "partner_name = ?;",
                                          names[1])
                    .Ok());
    ASSERT_EQ(table.Rows(), 1);
    EXPECT_EQ(table.Text(1, 0), names[1]);
    EXPECT_EQ(table.Text(1, 1), names[1]);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM partners;"), QString::number(names.size()));
    ResultTable units;
    ASSERT_TRUE(Db().Query(units, Db().Dialect().CountTables("units")));
    EXPECT_EQ(units.Int(1, 0), 1);
}

TEST_F(AccessLayerTest, ValuesAreBoundAndMustMatchThePlaceholders) {
    // Decimals are rounded like every figure on screen; a '?' inside quotes is text.
    EXPECT_EQ(SqlCompose("SELECT ?, ?, '?', %s, ? FROM [%s] -- 100%%", {SqlDecimal{2.675, 2}, SqlDecimal{-0.0001, 3},
                                                                       "code", std::nullopt, "stocks"}),
              SqlStatement("SELECT ?, ?, '?', code, ? FROM [stocks] -- 100%", {2.68, 0.0, SqlValue()}));
    ASSERT_TRUE(Db().ExecPrintf("INSERT INTO partners (partner_id, partner_name) VALUES(?, ?);", 7, QString()));
    if (!OnServer()) {
        EXPECT_EQ(Scalar("SELECT typeof(partner_id) || typeof(partner_name) FROM partners;"), "integertext");
    }

    // A mismatch is a failure of the statement, never a half-bound one.
    for (const SqlStatement& wrong :
         {SqlCompose("INSERT INTO units VALUES(?);", {}), SqlCompose("INSERT INTO units VALUES(?);", {1, 2}),
          SqlCompose("INSERT INTO units VALUES('%d');", {1}), SqlCompose("INSERT INTO units VALUES(%s);", {1}),
          SqlStatement("INSERT INTO units VALUES(?);")})
        EXPECT_FALSE(Db().Exec(wrong)) << wrong.text.toStdString();
    EXPECT_EQ(prompter.Count(), 5);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units;"), "0");
}

TEST(OperationTimer, MeasuresSecondsForTheStatusBar) {
    FixedClock clock;
    OperationTimer timer(clock);
    clock.elapsedMs = 1000;
    timer.Start();
    clock.elapsedMs = 3346;
    EXPECT_DOUBLE_EQ(timer.Stop(), 2.346);
    EXPECT_EQ(timer.StatusText(), "2.35 сек.");
}

} // namespace

namespace {

// LIKE folds the case of every alphabet, keeps '%' and '_' and honours ESCAPE.
TEST(UnicodeLike, FindsTextWhateverItsCase) {
    EXPECT_TRUE(LikeMatches("%петров%", "Г-н ПЕТРОВ"));
    EXPECT_TRUE(LikeMatches("%д'арт%", "Д'Артанян ООД"));
    EXPECT_TRUE(LikeMatches("a_c", "ABC"));
    EXPECT_FALSE(LikeMatches("a_c", "AC"));
    EXPECT_TRUE(LikeMatches("%12%", "1200"));
    EXPECT_FALSE(LikeMatches("%12%", "1020"));
    EXPECT_TRUE(LikeMatches("%", ""));
    EXPECT_TRUE(LikeMatches("100!%%", "100% чисто", '!'));
    EXPECT_FALSE(LikeMatches("100!%%", "1000", '!'));
    EXPECT_TRUE(LikeMatches("%a%b%c", "xaybzc"));
}

} // namespace
