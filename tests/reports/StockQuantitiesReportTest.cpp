// The stock report on the report frame: its options, rows, totals and sums,
// and the frame's reload cycle around it.
#include "reports/StockQuantitiesReport.h"

#include "db/Connection.h"
#include "db/DbSettings.h"
#include "support/DatabaseTest.h"
#include "support/FailureInjector.h"
#include "support/TestFirm.h"

namespace {

class StockReportTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"
                              "INSERT INTO groups VALUES(2, 'Материали', 0);"));
        ASSERT_TRUE(AddStocks(
            Db(),
            {StockRow("A", "Алфа").Quantity(5).Cost(2).Prices(3, 2.5).Last(2),
             StockRow("B", "Бета").Min(1).Cost(2).Prices(3, 2.5).Last(2),
             StockRow("C", "Гама").Group(2).Unit("кг").Quantity(-2).Cost(2).Prices(3, 2.5).Last(2).Material(),
             StockRow("D", "Делта")
                 .Group(2)
                 .Unit("кг")
                 .Quantity(5)
                 .Min(10)
                 .Cost(1.5)
                 .Prices(2, 0)
                 .Last(2)
                 .Material(),
             StockRow("H", "Скрит").Quantity(5).Cost(1).Prices(1, 1).Last(1).Hidden(),
             StockRow("S", "Услуга")
                 .Unit("ч.")
                 .Quantity(5)
                 .Cost(1)
                 .Prices(1, 1)
                 .Last(1)
                 .Recipe()
                 .Service()}));
        report = std::make_unique<StockQuantitiesReport>(Db(), prompter, clock, *settings);
    }
    QStringList Codes() {
        QStringList codes;
        for (const QStringList& row : report->Rows())
            codes << row[0];
        return codes;
    }
    std::unique_ptr<StockQuantitiesReport> report;
};

TEST_F(StockReportTest, TheOptionsCombineAsTheStatementSays) {
    struct Case {
        int critical, hideZero, hideNegative;
        QStringList codes;
    };
    const Case cases[] = {
        {0, 1, 1, {"A", "D"}},           {0, 0, 1, {"A", "B", "D"}}, {0, 1, 0, {"A", "C", "D"}},
        {0, 0, 0, {"A", "B", "C", "D"}}, {1, 1, 1, {"D"}},           {1, 0, 1, {"B", "D"}},
        {1, 1, 0, {"C", "D"}},           {1, 0, 0, {"B", "C", "D"}},
    };
    for (const Case& c : cases) {
        settings->SetRptQttysShowOnlyCritical(c.critical);
        settings->SetRptQttysDoNotShowZeroVals(c.hideZero);
        settings->SetRptQttysDoNotShowNegativeVals(c.hideNegative);
        ASSERT_TRUE(report->Reload());
        EXPECT_EQ(Codes(), c.codes) << c.critical << c.hideZero << c.hideNegative;
    }
    // Hidden items only when asked for; services never.
    settings->SetRptQttysShowOnlyCritical(0);
    settings->SetShowHiddenItems(1);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Codes(), QStringList({"A", "B", "C", "D", "H"}));
    // -2 keeps its quantity; its values are 0, shown as "-".
    EXPECT_EQ(report->Rows()[2],
              QStringList({"C", "Гама", "Материали", "кг", "-2.000", "2.00", "-", "-", "-"}));
    EXPECT_EQ(report->Rows()[1][4], "-");
    // The menu's items flip the options without a reload.
    report->ToggleHideZero();
    EXPECT_EQ(settings->RptQttysDoNotShowZeroVals(), 1);
    EXPECT_EQ(report->Rows().size(), 5u);
}

TEST_F(StockReportTest, TotalsSumsFiltersAndTheSearch) {
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(report->Rows()[0],
              QStringList({"A", "Алфа", "Стоки", "бр.", "5.000", "2.00", "10.00", "15.00", "12.50"}));
    EXPECT_EQ(report->Rows()[1][8], "-"); // D has no price 2
    EXPECT_EQ(report->TotalQuantityText(), "10.00 ");
    EXPECT_EQ(report->TotalValueText(), "17.50 ");
    EXPECT_TRUE(report->ShowColumnSum(7));
    EXPECT_EQ(prompter.Texts().back(), "Сумата на артикулите в тази колона е: 25.00");
    EXPECT_FALSE(report->ShowColumnSum(4));
    EXPECT_EQ(prompter.Count(), 1);
    report->Search().Set("делт");
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Codes(), QStringList("D"));
    report->Search().Clear();
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    report->Filter().SetTicked(tree, 1, true, false);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Codes(), QStringList("A"));
    // Nothing listed: zeros.
    report->Search().Set("няма такъв");
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(report->TotalValueText(), "0.00 ");
    EXPECT_EQ(report->ColumnSum(6), 0);
    EXPECT_EQ(report->DurationText().right(5), " сек.");
}

TEST_F(StockReportTest, ADirtyProductIsCostedOnceAndAFailedRollUpGivesZero) {
    ASSERT_TRUE(Db().Exec("INSERT INTO stocks_cmp VALUES('P', 'A', 2, 0);"));
    ASSERT_TRUE(
        AddStocks(Db(), {StockRow("P", "Изделие").Quantity(2).Prices(9, 9).Work(1).Recipe().Dirty()}));
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(report->Rows()[2][0], "P");
    EXPECT_EQ(report->Rows()[2][5], "5.00"); // 2 x 2.00 + 1.00 work
    EXPECT_EQ(Scalar("SELECT is_dirty || '|' || cost_price FROM stocks WHERE code = 'P';"), "0|5");
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(report->Rows()[2][5], "5.00");

    // A roll-up that cannot read the recipe gives cost 0.
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET is_dirty = 1 WHERE code = 'P';"));
    {
        FailureInjector recipe(doc->GetDatabase(), SQLITE_READ, "stocks_cmp", 0);
        ASSERT_TRUE(report->Reload());
    }
    EXPECT_EQ(report->Rows()[2][5], "0.00");
}

TEST_F(StockReportTest, TheFrameEndsItsTransactionOnEveryPath) {
    ASSERT_TRUE(DbSettings(Db()).SetReportOptimizer(1));
    ASSERT_TRUE(report->Reload());
    EXPECT_FALSE(Db().InTransaction());
    // A failing statement: one message, an empty list, and the file free.
    ASSERT_TRUE(Db().Exec("ALTER TABLE stocks RENAME TO stocks_away;"));
    EXPECT_FALSE(report->Reload());
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(report->Rows().empty());
    EXPECT_EQ(report->TotalValueText(), "0.00 ");
    EXPECT_FALSE(Db().InTransaction());
    auto other = OpenSecondConnection();
    EXPECT_TRUE(other->Exec("ALTER TABLE stocks_away RENAME TO stocks;").Ok());

    // A missing optimizer row is stored as 0; an unreadable one counts as 0.
    ASSERT_TRUE(Db().Exec("DELETE FROM settings WHERE key_name = 'report_optimizer';"));
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Scalar("SELECT key_value FROM settings WHERE key_name = 'report_optimizer';"), "0");
    ASSERT_TRUE(Db().Exec("UPDATE settings SET key_value = 'много' WHERE key_name = 'report_optimizer';"));
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(report->Rows().size(), 2u);
}

} // namespace
