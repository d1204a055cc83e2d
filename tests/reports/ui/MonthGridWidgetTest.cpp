#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "reports/ui/CMonthGridForm.h"
#include "reports/ui/CReportOborotByPartnerDlg.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace {

class MonthGridWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO partners (partner_id, partner_name) VALUES(1, 'Алфа');"
                              "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum) "
                              "VALUES(1, '2026-03-05', 1, 100);"
                              "INSERT INTO stokovi_main (doc_id, doc_dt, partner_id, oblagaema_sum) "
                              "VALUES(2, '2025-03-05', 1, 40);"));
    }
};

TEST_F(MonthGridWidgetTest, TheYearFieldReloadsAndTheSumsFollow) {
    FakeFormHost host(prompter, *settings);
    std::unique_ptr<QWidget> widget(MakeTurnoverByMonthsAndCustomers(*doc, host));
    auto* form = qobject_cast<CMonthGridForm*>(widget.get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(host.title, "TARVO - СПРАВКА ЗА СТОКООБОРОТА ПО МЕСЕЦИ И КЛИЕНТИ");
    EXPECT_EQ(form->YearField()->value(), clock.Now().date().year());
    EXPECT_EQ(form->YearField()->maximum(), 2099);
    form->YearField()->setValue(2026);
    ASSERT_EQ(form->List()->RowCount(), 1);
    EXPECT_EQ(form->List()->Row(0).value(4), "100.00");
    EXPECT_EQ(form->List()->Row(0).value(3), "-");
    EXPECT_EQ(form->MonthSums()->item(0, 2)->text(), "100.00");
    EXPECT_EQ(form->MonthSums()->item(0, 12)->text(), "100.00");
    QStringList fields;
    for (QLineEdit* field : form->findChildren<QLineEdit*>())
        fields << field->text();
    EXPECT_TRUE(fields.contains("ВСИЧКО:  100.00 BGL "));
    form->YearField()->stepBy(-1);
    EXPECT_EQ(form->List()->Row(0).value(4), "40.00");
}

TEST_F(MonthGridWidgetTest, TheTurnoverByCustomerReloadsOnEveryDateChange) {
    FakeFormHost host(prompter, *settings);
    CReportOborotByPartnerDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - СПРАВКА ЗА СТОКООБОРОТА ПО КЛИЕНТИ И ПЕРИОДИ");
    EXPECT_EQ(form.FromField()->date().day(), 1);
    EXPECT_EQ(form.List()->RowCount(), 0);
    form.FromField()->setDate(QDate(2026, 3, 1));
    ASSERT_EQ(form.List()->RowCount(), 1);
    EXPECT_EQ(form.List()->Row(0).value(2), "100.00");
    form.FromField()->setDate(QDate(2025, 1, 1));
    EXPECT_EQ(form.List()->Row(0).value(2), "140.00");
    QStringList fields;
    for (QLineEdit* field : form.findChildren<QLineEdit*>())
        fields << field->text();
    EXPECT_TRUE(fields.contains("ОБЩО НЕТО:  140.00"));
}

TEST_F(MonthGridWidgetTest, TheReportsMenuOpensBoth) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kTurnoverByMonthsAndItemsReport);
    auto* items = qobject_cast<CMonthGridForm*>(frame.centralWidget());
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->List()->model()->headerData(2, Qt::Horizontal).toString(), "група");
    frame.SwitchView(ViewType::kTurnoverByMonthsAndCustomersReport);
    EXPECT_NE(qobject_cast<CMonthGridForm*>(frame.centralWidget()), nullptr);
    FakeFormHost host(prompter, *settings);
    for (auto make : {MakeProfitByCustomers, MakeProfitByItems}) {
        std::unique_ptr<QWidget> profit(make(*doc, host));
        EXPECT_TRUE(host.title.startsWith("TARVO - СПРАВКА ЗА ПЕЧАЛБАТА ПО МЕСЕЦИ И "));
    }
    frame.SwitchView(ViewType::kProfitByMonthsAndItemsReport);
    EXPECT_NE(qobject_cast<CMonthGridForm*>(frame.centralWidget()), nullptr);
}

} // namespace
