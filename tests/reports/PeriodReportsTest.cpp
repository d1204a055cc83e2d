// The delivery, production and materials reports: VAT and discount to the
// cent, a supplier outside VAT, lines of items and groups deleted since,
// the summaries, the partner, producer and kind conditions, and totals that
// follow the latest reload.
#include "reports/DeliveriesReport.h"
#include "reports/MaterialsReport.h"
#include "reports/ProductionReport.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

namespace {

// The figures of the totals shown under the list, in their order.
QStringList figuresOf(const Report& report) {
    QStringList figures;
    for (const auto& [caption, figure] : report.TotalFields())
        figures << figure;
    return figures;
}

class PeriodReportsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO groups VALUES(2, 'Изтрита', 0);"
            // Delivery 1: a registered supplier, 5 % discount; delivery 2: an unregistered one.
            "INSERT INTO supplies_main (doc_id, doc_dt, partner_id, discount, invoice_no) VALUES(1, "
            "'2026-12-02', 1, "
            "5, 'Ф-1');"
            "INSERT INTO supplies_main (doc_id, doc_dt, partner_id, discount, invoice_no) VALUES(2, "
            "'2026-12-03', 2, "
            "0, 'Ф-2');"
            "INSERT INTO supplies_partners (doc_id, doc_dt, partner_name, partner_vat_registered) VALUES(1, "
            "'2026-12-02', 'Алфа', 1);"
            "INSERT INTO supplies_partners (doc_id, doc_dt, partner_name, partner_vat_registered) VALUES(2, "
            "'2026-12-03', 'Бета', 0);"
            "INSERT INTO supplies_firmdata (doc_id, doc_dt, firm_vat_reg, firm_vat_value) VALUES(1, "
            "'2026-12-02', 1, "
            "20);"
            "INSERT INTO supplies_firmdata (doc_id, doc_dt, firm_vat_reg, firm_vat_value) VALUES(2, "
            "'2026-12-03', 1, "
            "20);"
            "INSERT INTO supplies_items (doc_id, doc_dt, seq_id, item_code, item_name, item_group, "
            "item_units, "
            "quantity, price, end_price) VALUES(1, '2026-12-02', 1, 'G1', 'Кабел', 1, 'м', 10, 10, 100);"
            "INSERT INTO supplies_items (doc_id, doc_dt, seq_id, item_code, item_name, item_group, "
            "item_units, "
            "quantity, price, end_price) VALUES(1, '2026-12-02', 2, 'X9', 'Изтрит артикул', 2, 'бр.', 1, "
            "3.33, "
            "3.33);"
            "INSERT INTO supplies_items (doc_id, doc_dt, seq_id, item_code, item_name, item_group, "
            "item_units, "
            "quantity, price, end_price) VALUES(2, '2026-12-03', 1, 'G1', 'Кабел', 1, 'м', 5, 12, 60);"
            // Two runs of P1, one by a producer with an apostrophe; their components.
            "INSERT INTO production_cmp (doc_id, doc_dt, seq_id, code, stock_name, group_id, units, "
            "quantity, "
            "cost_price, produced_by) VALUES(1, '2026-12-04', 1, 'P1', 'Изделие', 1, 'бр.', 2, 1.5, "
            "'О''Нийл');"
            "INSERT INTO production_cmp (doc_id, doc_dt, seq_id, code, stock_name, group_id, units, "
            "quantity, "
            "cost_price, produced_by) VALUES(2, '2026-12-05', 1, 'P1', 'Изделие', 2, 'бр.', 3, 2, 'Иван');"
            "INSERT INTO production_cmp_entries (doc_id, doc_dt, owner_id, code, stock_name, stock_group, "
            "units, "
            "quantity, cost_price) VALUES(1, '2026-12-04', 1, 'M1', 'Мед', 1, 'кг', 4, 1.25);"
            // Sold: a product's component for customer 7, a service's for customer 8, a component since
            // deleted.
            "INSERT INTO soldmat (doc_id, doc_dt, customer_id, group_id, part_of_code, code, quantity, "
            "price, total) "
            "VALUES(1, '2026-12-06', 7, 1, 'P1', 'M1', 2, 1.25, 2.5);"
            "INSERT INTO soldmat (doc_id, doc_dt, customer_id, group_id, part_of_code, code, quantity, "
            "price, total) "
            "VALUES(2, '2026-12-07', 8, 1, 'S1', 'G1', 1, 1, 1);"
            "INSERT INTO soldmat (doc_id, doc_dt, customer_id, group_id, part_of_code, code, quantity, "
            "price, total) "
            "VALUES(3, '2026-12-07', 7, 9, 'P1', 'Z0', 1, 4, 4);"
            "DELETE FROM groups WHERE id = 2;"));
        ASSERT_TRUE(AddStocks(Db(), {StockRow("G1", "Кабел").Unit("м").Cost(1).Prices(2, 2).Last(1), StockRow("M1", "Мед").Unit("кг").Cost(1).Last(1).Material(), StockRow("P1", "Изделие").Cost(1).Prices(9, 9).Recipe(), StockRow("S1", "Монтаж").Unit("ч.").Prices(30, 30).Recipe().Service()}));
    }
    template <typename R> static QStringList Column(const R& report, int column) {
        QStringList cells;
        for (const QStringList& row : report.Rows())
            cells << row.value(column);
        return cells;
    }
};

TEST_F(PeriodReportsTest, DeliveriesVatDiscountAndDeletedGroups) {
    DeliveriesReport report(Db(), prompter, clock);
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 3u);
    // By date, document and name. 100.00 less 5 % is 95.00, and 20 % VAT on it 19.00.
    EXPECT_EQ(report.Rows()[1].mid(6, 6),
              QStringList({"10.000", "10.00", "100.00", "5.00", "19.00", "114.00"}));
    EXPECT_EQ(report.Rows()[1].value(12), "Алфа");
    // A line whose group was deleted still counts, with "-".
    EXPECT_EQ(report.Rows()[0].mid(2, 3), QStringList({"X9", "Изтрит артикул", "-"}));
    EXPECT_EQ(report.Rows()[0].value(9), "0.17"); // 5 % of 3.33 = 0.1665
    // The supplier outside VAT: none.
    EXPECT_EQ(report.Rows()[2].mid(8, 4), QStringList({"60.00", "0.00", "0.00", "60.00"}));
    EXPECT_EQ(figuresOf(report), QStringList({"163.33 ", "5.17 ", "19.63 ", "177.79 "}));

    // Two reloads: the totals are those of the second.
    PeriodReport::Conditions c = report.Chosen();
    c.partnerId = 2;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(figuresOf(report), QStringList({"60.00 ", "0.00 ", "0.00 ", "60.00 "}));

    // The summary: one row per item.
    c.partnerId = 0;
    c.summary = true;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 2u);
    EXPECT_EQ(report.Rows()[1], QStringList({"-", "-", "G1", "Кабел", "Стоки", "м", "15.000", "10.67",
                                             "160.00", "5.00", "19.00", "174.00", "-", "-"}));
    EXPECT_EQ(figuresOf(report).value(3), "177.79 ");

    report.Search().Set("x9");
    c.summary = false;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(Column(report, 2), QStringList({"X9"}));
}

TEST_F(PeriodReportsTest, ProductionRunsSummedAndByProducer) {
    ProductionReport report(Db(), prompter, clock);
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 2u);
    EXPECT_EQ(report.Rows()[0], QStringList({"0000000001", "04.12.2026", "P1", "Изделие", "Стоки", "бр.",
                                             "2.000", "1.50", "3.00", "О'Нийл"}));
    EXPECT_EQ(report.Rows()[1].value(4), "-"); // its group was deleted
    EXPECT_EQ(report.QuantityText(), "5.000 ");
    EXPECT_EQ(report.CostText(), "9.00 ");
    EXPECT_EQ(report.Producers(), QStringList());

    PeriodReport::Conditions c = report.Chosen();
    c.summary = true;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 1u);
    EXPECT_EQ(report.Rows()[0],
              QStringList({"-", "-", "P1", "Изделие", "Стоки", "бр.", "5.000", "1.80", "9.00", "-"}));

    c.summary = false;
    c.producer = "О'Нийл";
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(Column(report, 9), QStringList({"О'Нийл"}));
    EXPECT_EQ(prompter.Count(), 0);

    ProductionReport empty(Db(), prompter, clock);
    c = empty.Chosen();
    c.from = c.to = QDate(2026, 1, 1);
    empty.SetConditions(c);
    ASSERT_TRUE(empty.Reload());
    EXPECT_EQ(empty.QuantityText(), "0.000 ");
    EXPECT_EQ(empty.CostText(), "0.00 ");
}

TEST_F(PeriodReportsTest, MaterialsOfSalesAndProductionTogether) {
    MaterialsReport report(Db(), prompter, clock);
    ASSERT_TRUE(report.Reload());
    // Both sources, by date and name: the run's copper, the product's
    // copper, a component deleted since (its code as its name), the
    // service's cable.
    EXPECT_EQ(Column(report, 1), QStringList({"M1", "M1", "Z0", "G1"}));
    EXPECT_EQ(report.Rows()[2].mid(1, 3), QStringList({"Z0", "Z0", "-"}));
    EXPECT_EQ(report.QuantityText(), "8.000 ");
    EXPECT_EQ(report.CostText(), "12.50 ");

    PeriodReport::Conditions c = report.Chosen();
    c.services = false;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(Column(report, 1), QStringList({"M1", "M1", "Z0"}));
    c.services = true;
    c.products = false;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(Column(report, 1), QStringList({"G1"}));
    c.services = false;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_TRUE(report.Rows().empty());

    // One customer's: the sales to that customer only.
    c.products = c.services = true;
    c.partnerId = 7;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    EXPECT_EQ(Column(report, 1), QStringList({"M1", "Z0"}));

    c.partnerId = 0;
    c.summary = true;
    report.SetConditions(c);
    ASSERT_TRUE(report.Reload());
    ASSERT_EQ(report.Rows().size(), 3u);
    EXPECT_EQ(report.Rows()[0], QStringList({"-", "M1", "Мед", "Стоки", "кг", "6.000", "1.25", "7.50"}));
}
// After the changeover to euro on 5 December, a period across it gives the
// deliveries, runs and materials of earlier days in euro, and says so.
TEST_F(PeriodReportsTest, LevaDaysOfAPeriodAcrossTheChangeoverAreInEuro) {
    ASSERT_TRUE(Db().Exec("INSERT INTO settings VALUES('currency', 'EUR') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"
                          "INSERT INTO settings VALUES('currency_changeover_dt', '2026-12-05') ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;"));
    DeliveriesReport deliveries(Db(), prompter, clock);
    ASSERT_TRUE(deliveries.Reload());
    ASSERT_EQ(deliveries.Rows().size(), 3u);
    // 10.00 and 100.00 leva; the discount and VAT follow from the euro value.
    EXPECT_EQ(deliveries.Rows()[1].mid(6, 6),
              QStringList({"10.000", "5.11", "51.13", "2.56", "9.71", "58.28"}));
    EXPECT_EQ(deliveries.CurrencyNote(), "сумите в лева са преизчислени по курс 1.95583");

    ProductionReport production(Db(), prompter, clock);
    ASSERT_TRUE(production.Reload());
    ASSERT_EQ(production.Rows().size(), 2u);
    EXPECT_EQ(production.Rows()[0].mid(7, 2), QStringList({"0.77", "1.54"})); // 1.50 leva, 2 × 0.77
    EXPECT_EQ(production.Rows()[1].mid(7, 2), QStringList({"2.00", "6.00"})); // 5 December: euro

    MaterialsReport materials(Db(), prompter, clock);
    ASSERT_TRUE(materials.Reload());
    EXPECT_TRUE(Column(materials, 6).contains("0.64")); // the run's copper of 4 December
    EXPECT_TRUE(Column(materials, 6).contains("1.25")); // the sale's of 6 December

    // A period after the changeover: as stored, no note.
    PeriodReport::Conditions c = deliveries.Chosen();
    c.from = QDate(2026, 12, 5);
    deliveries.SetConditions(c);
    ASSERT_TRUE(deliveries.Reload());
    EXPECT_TRUE(deliveries.Rows().empty());
    EXPECT_TRUE(deliveries.CurrencyNote().isEmpty());
}

} // namespace
