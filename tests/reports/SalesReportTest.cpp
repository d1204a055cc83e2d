// The sales report: its statement prepares for every condition, and its
// detailed and merged rows agree with the stored documents.
#include "reports/SalesReport.h"

#include "support/DatabaseTest.h"

namespace {

class SalesReportTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Алфа'), (2, 'Д''Артанян');"
            // A VAT-registered note at 5 %, one at 2.5 %, one of a firm outside VAT.
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, discount, invoiced, invoice_id) VALUES"
            "(1, '2026-12-02', 1, 5, 0, 0), (2, '2026-12-03', 2, 2.5, 1, 7), (3, '2026-12-04', 1, 0, 0, 0);"
            "INSERT INTO stokovi_partners (doc_id, doc_dt, partner_name) VALUES(1, '2026-12-02', 'Алфа'), "
            "(2, '2026-12-03', 'Д''Артанян'), (3, '2026-12-04', 'Алфа');"
            "INSERT INTO stokovi_firmdata (doc_id, doc_dt, firm_vat_reg, firm_vat_value) VALUES(1, "
            "'2026-12-02', 1, "
            "20), (2, '2026-12-03', 1, 20), (3, '2026-12-04', 0, 20);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, sel_price, item_code, item_name, item_group, "
            "item_units, quantity, price, end_price, invoiced, invoice_id, cost_price) VALUES"
            "(1, '2026-12-02', 1, 1, 'G1', 'Брава', 1, 'бр.', 2, 10, 20, 0, 0, 6),"
            "(1, '2026-12-02', 2, 1, 'G2', 'Ключ', 1, 'бр.', 8, 10, 80, 0, 0, 1),"
            "(2, '2026-12-03', 1, 2, 'G1', 'Брава', 1, 'бр.', 1, 10, 10, 1, 7, 6),"
            "(3, '2026-12-04', 1, 3, 'G1', 'Брава', 1, 'бр.', 3, 12, 36, 0, 0, 6),"
            "(3, '2026-12-04', 2, 3, 'ТЕКСТ', 'Монтаж д''Ор', 0, 'ч.', 1, 15, 15, 0, 0, 0);"));
        report = std::make_unique<SalesReport>(Db(), prompter, clock);
        report->Conditions().from = QDate(2026, 12, 1);
        report->Conditions().to = QDate(2026, 12, 31);
    }
    QStringList Column(int k) {
        QStringList cells;
        for (const QStringList& row : report->Rows())
            cells << row[k];
        return cells;
    }
    std::unique_ptr<SalesReport> report;
};

TEST_F(SalesReportTest, DetailedRowsAgreeWithTheDocumentsToTheCent) {
    report->Conditions().merged = false;
    ASSERT_TRUE(report->Reload());
    ASSERT_EQ(report->Rows().size(), 5u);
    // 5 %: 20.00 and 80.00 give 1.00 and 4.00 off, 19.00 and 76.00 taxable, VAT 3.80 and 15.20.
    EXPECT_EQ(report->Rows()[0],
              QStringList({"02.12.2026", "0000000001", "G1", "Брава", "Стоки", "бр.", "2.000", "10.00",
                           "20.00", "1.00", "19.00", "3.80", "22.80", "Алфа", "-", "12.00"}));
    EXPECT_EQ(report->Rows()[1].mid(9, 4), QStringList({"4.00", "76.00", "15.20", "91.20"}));
    // 2.5 % stays 2.5 %: 10.00 gives 0.25 off, not 0.30; the note was invoiced as 7.
    EXPECT_EQ(report->Rows()[2].mid(9, 4), QStringList({"0.25", "9.75", "1.95", "11.70"}));
    EXPECT_EQ(report->Rows()[2][14], "0000000007");
    // A firm outside VAT: no VAT; a free-text line: its group text.
    EXPECT_EQ(report->Rows()[3][11], "0.00");
    EXPECT_EQ(report->Rows()[4][4], "ф-ри своб. текст");
    EXPECT_EQ(report->ValueText(), "161.00 ");
    EXPECT_EQ(report->DiscountText(), "5.25 ");
    EXPECT_EQ(report->VatText(), "20.95 ");
    EXPECT_EQ(report->TotalText(), "176.70 ");
    EXPECT_EQ(report->TaxableText(), "155.75 ");
    EXPECT_EQ(report->CostText(), "44.00 ");
    EXPECT_TRUE(prompter.Texts().isEmpty());

    // Double-clicks: the document, the invoice, the sums, nothing else.
    EXPECT_EQ(report->ClickAt(0, 1).action, SalesReport::Click::Action::PreviewGoodsNote);
    EXPECT_EQ(report->ClickAt(0, 1).number, 1);
    EXPECT_EQ(report->ClickAt(2, 14).action, SalesReport::Click::Action::PreviewInvoice);
    EXPECT_EQ(report->ClickAt(2, 14).number, 7);
    EXPECT_EQ(report->ClickAt(0, 14).action, SalesReport::Click::Action::None);
    EXPECT_EQ(report->ClickAt(0, 12).action, SalesReport::Click::Action::ColumnSum);
    EXPECT_EQ(report->ClickAt(0, 3).action, SalesReport::Click::Action::None);
    EXPECT_EQ(report->ColumnWidth(14), 80);

    // Without the invoiced lines.
    report->Conditions().notInvoicedOnly = true;
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Column(1), QStringList({"0000000001", "0000000001", "0000000003", "0000000003"}));
    EXPECT_EQ(report->ColumnWidth(14), 0);
}

TEST_F(SalesReportTest, MergedLinesByItemAndTheFilters) {
    ASSERT_TRUE(report->Reload());
    // By name; 2 x 10.00 + 1 x 10.00 + 3 x 12.00 = 6.000 for 66.00, 11.00 a unit.
    EXPECT_EQ(Column(3), QStringList({"Брава", "Ключ", "Монтаж д'Ор"}));
    EXPECT_EQ(report->Rows()[0].mid(6, 3), QStringList({"6.000", "11.00", "66.00"}));
    EXPECT_EQ(report->Rows()[0][0], "-");
    EXPECT_EQ(report->Rows()[1][7], "10.00"); // one line keeps its price
    EXPECT_EQ(report->ColumnWidth(0), 0);
    EXPECT_EQ(report->ClickAt(0, 1).action, SalesReport::Click::Action::None);

    // Price kinds, customers, search with an apostrophe, groups.
    report->Conditions().priceKinds = {3};
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Column(2), QStringList({"G1", "ТЕКСТ"}));
    report->Conditions().priceKinds = {1, 2, 3};
    report->Conditions().customers = {2};
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Column(2), QStringList("G1"));
    report->Conditions().customers.clear();
    report->Search().Set("д'ор");
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Column(2), QStringList("ТЕКСТ"));
    report->Search().Clear();
    std::vector<GroupNode> tree;
    ASSERT_TRUE(LoadGroupTree(Db(), tree));
    report->Filter().SetTicked(tree, 1, true, false);
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(Column(2), QStringList({"G1", "G2"})); // the free-text line passes no group filter
    report->Conditions().priceKinds.clear();
    ASSERT_TRUE(report->Reload());
    EXPECT_TRUE(report->Rows().empty());
    EXPECT_EQ(report->TotalText(), "0.00 ");
    EXPECT_TRUE(prompter.Texts().isEmpty()) << prompter.Texts().join("|").toStdString();
}

TEST_F(SalesReportTest, ASaleAndItsReturnMergeToNoPrice) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO invoices_main (doc_id, doc_dt, partner_id, discount, doc_type) VALUES(1, '2026-12-02', "
        "1, 0, 0), "
        "(2, '2026-12-05', 1, 0, 2);"
        "INSERT INTO invoices_partners (doc_id, doc_dt, partner_name) VALUES(1, '2026-12-02', 'Алфа'), (2, "
        "'2026-12-05', 'Алфа');"
        "INSERT INTO invoices_firmdata (doc_id, doc_dt, firm_vat_reg, firm_vat_value) VALUES(1, "
        "'2026-12-02', 1, 20), "
        "(2, '2026-12-05', 1, 20);"
        "INSERT INTO invoices_items (doc_id, doc_dt, seq_id, sel_price, item_code, item_name, item_group, "
        "item_units, "
        "quantity, price, end_price, cost_price) VALUES(1, '2026-12-02', 1, 1, 'G1', 'Брава', 1, 'бр.', 2, "
        "10, 20, 6), "
        "(2, '2026-12-05', 1, 1, 'G1', 'Брава', 1, 'бр.', -2, -10, -20, -6);"));
    report->Conditions().invoices = true;
    ASSERT_TRUE(report->Reload());
    ASSERT_EQ(report->Rows().size(), 1u);
    EXPECT_EQ(report->Rows()[0].mid(6, 3), QStringList({"0.000", "-", "0.00"}));
    // The return's cost goes back with it (its stored cost price is negative).
    EXPECT_EQ(report->Rows()[0].last(), "0.00");
    EXPECT_EQ(report->CostText(), "0.00 ");
    report->Conditions().merged = false;
    ASSERT_TRUE(report->Reload());
    EXPECT_EQ(report->Rows()[1][12], "-24.00");
    EXPECT_EQ(report->ClickAt(1, 1).action, SalesReport::Click::Action::PreviewInvoice);
}

} // namespace
