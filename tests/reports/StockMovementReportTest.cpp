// The stock movement report: the opening balance of a stocktaking and the
// movements of the period, the stock quantity without one, the kinds, the
// groups, hidden items, the search, the column sums, and a stocktaking
// outside the period.
#include "reports/StockMovementReport.h"

#include "support/DatabaseTest.h"
#include "support/ScriptedChoosers.h"
#include "support/TestFirm.h"

#include <memory>

namespace {
class StockMovementTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO groups VALUES(2, 'Материали', 0);"
            // Stocktaking 4 on the 1st counted 10 of X'1; the movements of December.
            "INSERT INTO revisions VALUES(4, '2026-12-01', '');"
            "INSERT INTO revisions_cmp (doc_id, doc_dt, item_code, actual_quantity) VALUES(4, '2026-12-01', "
            "'X''1', 10);"
            "INSERT INTO supplies_items (doc_id, doc_dt, item_code, quantity) VALUES(1, '2026-12-02', "
            "'X''1', 5);"
            "INSERT INTO supplies_items (doc_id, doc_dt, item_code, quantity) VALUES(2, '2026-11-30', "
            "'X''1', 99);"
            "INSERT INTO production_cmp (doc_id, doc_dt, code, quantity) VALUES(1, '2026-12-03', 'X''1', 2);"
            "INSERT INTO production_cmp_entries (doc_id, doc_dt, owner_id, code, quantity) VALUES(1, "
            "'2026-12-03', "
            "1, 'X''1', 0.5);"
            "INSERT INTO soldmat (doc_id, doc_dt, code, quantity) VALUES(1, '2026-12-04', 'X''1', 0.5);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, item_code, quantity) VALUES(1, '2026-12-08', 'X''1', "
            "3);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, item_code, quantity) VALUES(2, '2026-12-08', 'S1', "
            "4);"));
        ASSERT_TRUE(AddStocks(
            Db(), {StockRow("X'1", "Артикул").Quantity(40).Cost(1).Prices(2, 2).Last(1),
                   StockRow("Q1", "Без движение").Unit("м").Quantity(7.5).Cost(1).Prices(2, 2).Last(1),
                   StockRow("M1", "Мед").Group(2).Unit("кг").Quantity(3).Cost(1).Last(1).Material(),
                   StockRow("P1", "Изделие").Cost(1).Prices(9, 9).Recipe(),
                   StockRow("S1", "Услуга").Unit("ч.").Prices(30, 30).Recipe().Service(),
                   StockRow("H1", "Скрит").Quantity(1).Prices(1, 1).Hidden()}));
        report = std::make_unique<StockMovementReport>(Db(), prompter, clock, *settings);
    }
    void Period(const QDate& from, const QDate& to, int stocktaking) {
        StockMovementReport::Conditions c = report->Chosen();
        c.from = from;
        c.to = to;
        c.stocktaking = stocktaking;
        report->SetConditions(c);
    }
    QStringList RowOf(const QString& code) const {
        for (const QStringList& row : report->Rows())
            if (row.value(0) == code)
                return row;
        return {};
    }
    QStringList Codes() const {
        QStringList codes;
        for (const QStringList& row : report->Rows())
            codes << row.value(0);
        return codes;
    }
    std::unique_ptr<StockMovementReport> report;
};

TEST_F(StockMovementTest, FromAStocktakingThroughThePeriodsMovements) {
    // The default period: the month so far.
    EXPECT_EQ(report->Chosen().from, QDate(2026, 12, 1));
    EXPECT_EQ(report->Chosen().to, QDate(2026, 12, 8));
    Period(QDate(2026, 12, 1), QDate(2026, 12, 8), 4);
    ASSERT_TRUE(report->Reload());
    // 10 counted + 5 delivered + 2 produced − 1 consumed − 3 sold.
    EXPECT_EQ(RowOf("X'1"), QStringList({"X'1", "Артикул", "Стоки", "бр.", "10.000", "5.000", "2.000",
                                         "1.000", "-", "3.000", "13.000"}));
    // Counted nothing: the movements alone.
    EXPECT_EQ(RowOf("Q1").value(10), "-");
    EXPECT_EQ(RowOf("Q1").value(4), "-");
    EXPECT_DOUBLE_EQ(report->ColumnSum(10), 13 - 4); // the service sold 4 and counted none
    EXPECT_EQ(RowOf("S1").value(10), "-4.000");
}

TEST_F(StockMovementTest, WithoutAStocktakingTheStockQuantity) {
    Period(QDate(2026, 12, 1), QDate(2026, 12, 8), 0);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(RowOf("X'1").mid(4), QStringList({"-", "5.000", "2.000", "1.000", "-", "3.000", "40.000"}));
    // No movement: "-" from 4 to 9, the stock in 10.
    EXPECT_EQ(RowOf("Q1").mid(4), QStringList({"-", "-", "-", "-", "-", "-", "7.500"}));
    // Ordered by name, hidden items left out.
    EXPECT_EQ(Codes(), QStringList({"X'1", "Q1", "P1", "M1", "S1"}));
    settings->SetShowHiddenItems(1);
    ASSERT_TRUE(report->Reload());
    EXPECT_TRUE(Codes().contains("H1"));
}

TEST_F(StockMovementTest, KindsGroupsAndSearch) {
    Period(QDate(2026, 12, 1), QDate(2026, 12, 8), 0);
    StockMovementReport::Conditions c = report->Chosen();
    c.services = false;
    report->SetConditions(c);
    ASSERT_TRUE(report->Reload());
    // Without services the products made from recipes stay.
    EXPECT_FALSE(Codes().contains("S1"));
    EXPECT_TRUE(Codes().contains("P1"));
    c.goods = false;
    report->SetConditions(c);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Codes(), QStringList({"P1"}));
    c.goods = c.services = true;
    c.products = false;
    report->SetConditions(c);
    std::vector<GroupNode> groups;
    LoadGroupTree(Db(), groups);
    report->Filter().SetTicked(groups, 2, true, false);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Codes(), QStringList({"M1"}));
    report->Filter().Clear();
    report->Search().Set("x'");
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Codes(), QStringList({"X'1"}));
    EXPECT_EQ(prompter.Count(), 0);
}

// A stocktaking dated before the period's start contributes no counts: the
// opening balance shows "-" and the result starts from 0.
TEST_F(StockMovementTest, AStocktakingOutsideThePeriod) {
    Period(QDate(2026, 12, 2), QDate(2026, 12, 8), 4);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(RowOf("X'1").value(4), "-");
    EXPECT_EQ(RowOf("X'1").value(10), "3.000"); // 0 + 5 + 2 − 1 − 3
}

TEST_F(StockMovementTest, ChoosingAStocktakingAsksAboutThePeriodsStart) {
    ScriptedDocuments documents;
    documents.choices.push_back({4, "01.12.2026", QDate(2026, 12, 1), QString(), {}});
    documents.choices.push_back({4, "01.12.2026", QDate(2026, 12, 1), QString(), {}});
    StockMovementReport::Conditions c = report->Chosen();
    c.from = QDate(2026, 11, 15);
    prompter.Expect(Answer::No);
    ASSERT_TRUE(StockMovementReport::ChooseStocktaking(documents, prompter, c));
    EXPECT_EQ(documents.kinds.back(), 6);
    EXPECT_EQ(c.from, QDate(2026, 11, 15));
    EXPECT_EQ(StockMovementReport::StocktakingText(c), "0000000004 / 01.12.2026");
    prompter.Expect(Answer::Yes);
    ASSERT_TRUE(StockMovementReport::ChooseStocktaking(documents, prompter, c));
    EXPECT_EQ(c.from, QDate(2026, 12, 1));
    EXPECT_EQ(prompter.Texts().last(),
              "Желаете ли долната граница на периода да съвпада с тази на избраната ревизия?");
    EXPECT_FALSE(StockMovementReport::ChooseStocktaking(documents, prompter, c));
}
} // namespace
