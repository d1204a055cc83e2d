#include "lists/ui/CSortListCtrl.h"
#include "reports/ui/CReportSellsByPartnerDlg.h"
#include "reports/ui/CSalesFilterDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>

namespace {

class SalesReportWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO partners (partner_id, partner_is_customer, partner_name) VALUES(1, 1, 'Алфа'), (2, "
            "1, "
            "'Бета');"
            "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, discount) VALUES(1, '2026-12-07', 1, 0);"
            "INSERT INTO stokovi_partners (doc_id, doc_dt, partner_name) VALUES(1, '2026-12-07', 'Алфа');"
            "INSERT INTO stokovi_firmdata (doc_id, doc_dt, firm_vat_reg, firm_vat_value) VALUES(1, "
            "'2026-12-07', 1, "
            "20);"
            "INSERT INTO stokovi_items (doc_id, doc_dt, seq_id, sel_price, item_code, item_name, item_group, "
            "item_units, quantity, price, end_price, invoiced, invoice_id, cost_price) VALUES(1, "
            "'2026-12-07', 1, 1, "
            "'G1', 'Брава', 0, 'бр.', 2, 10, 20, 0, 0, 6);"));
    }
};

TEST_F(SalesReportWidgetTest, TheFilterOpensWithTheFormAndItsApplyLoads) {
    FakeFormHost host(prompter, *settings);
    CReportSellsByPartnerDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ");
    form.show();
    CSalesFilterDlg* filter = form.FilterWindow();
    EXPECT_TRUE(filter->isVisible());
    EXPECT_EQ(filter->windowTitle(), "филтър - реализация");
    EXPECT_EQ(filter->CustomerList()->count(), 2);
    EXPECT_EQ(form.List()->RowCount(), 0);
    // "без фактура" only for goods notes.
    filter->InvoicesButton()->setChecked(true);
    EXPECT_FALSE(filter->NotInvoicedBox()->isEnabled());
    for (QRadioButton* radio : filter->findChildren<QRadioButton*>())
        if (radio->text() == "издадени стокови р-ки")
            radio->setChecked(true);
    EXPECT_TRUE(filter->NotInvoicedBox()->isEnabled());
    filter->Apply();
    EXPECT_FALSE(filter->isVisible());
    ASSERT_EQ(form.List()->RowCount(), 1);
    EXPECT_EQ(form.List()->Row(0).value(8), "20.00");
    EXPECT_TRUE(form.List()->isColumnHidden(0));
    EXPECT_EQ(host.title, "TARVO - СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ И СТОКОВИ Р-КИ");

    // Detailed: the document number opens the goods note's printed copy.
    form.Behaviour().Conditions().merged = false;
    form.Reload();
    ASSERT_EQ(form.List()->RowCount(), 1);
    EXPECT_FALSE(form.List()->isColumnHidden(1));
    Q_EMIT form.List()->doubleClicked(form.List()->model()->index(0, 1));
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains("СТОКОВА РАЗПИСКА"));
    Q_EMIT form.List()->doubleClicked(form.List()->model()->index(0, 8));
    EXPECT_EQ(prompter.Texts().back(), "Сумата на артикулите в тази колона е: 20.00");
}

} // namespace
