#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "masterdata/ui/CPartnersDlg.h"
#include "masterdata/ui/PartnerListPanel.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

class PartnersWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
            "partner_city) VALUES(1, 1, 0, 'Бета', 'София');"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
            "partner_city) VALUES(2, 0, 1, 'алфа', 'Варна');"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
            "partner_city, default_price, partner_prefer_payment) VALUES(3, 1, 1, 'Гама', 'Русе', 5, 1);"));
        frame = std::make_unique<CMainFrame>(*doc, *settings, prompter, printer);
    }
    PrinterSettings printer;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PartnersWidgetTest, TheFormListsSortsAndCountsThePartners) {
    frame->SwitchView(ViewType::kPartners);
    ASSERT_EQ(frame->ActiveViewType(), ViewType::kPartners);
    EXPECT_EQ(frame->windowTitle(), "TARVO - КОНТРАГЕНТИ");
    auto* form = qobject_cast<CPartnersDlg*>(frame->centralWidget());
    ASSERT_NE(form, nullptr);
    CSortListCtrl* list = form->Panel()->List();
    ASSERT_EQ(list->RowCount(), 3);
    EXPECT_EQ(list->Row(0).value(0), "алфа");
    EXPECT_EQ(
        list->Row(2),
        (QStringList{"Гама", "X", "X",          "Русе",           "", "", "", "", "", "", "", "", "", "", "",
                     "",     "",  "с платежно", "собствена цена", ""}));
    EXPECT_EQ(list->CurrentRow(), 0);
    QLineEdit* count = nullptr;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        if (edit->isReadOnly())
            count = edit;
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(), "3");

    form->Panel()->findChild<QTabBar*>()->setCurrentIndex(2); // suppliers
    EXPECT_EQ(list->RowCount(), 2);
    EXPECT_EQ(count->text(), "2");

    frame->SwitchView(ViewType::kStart);
    EXPECT_EQ(frame->windowTitle(), "TARVO");
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(PartnersWidgetTest, TheSelectionDialogOpensOnItsTabWithThePartnerSelected) {
    FakeFormHost host(prompter, *settings);
    CPartnerSelectionDlg dialog(*doc, host, PartnerTab::Customers, 3);
    EXPECT_EQ(dialog.windowTitle(), "избор на контрагент");
    auto* panel = dialog.findChild<PartnerListPanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->List()->RowCount(), 2);
    EXPECT_EQ(panel->List()->Row(panel->List()->CurrentRow()).value(0), "Гама");
    EXPECT_EQ(panel->List()->Model().Columns().size(), 8u);
    QPushButton* choose = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == " [F9] избери")
            choose = button;
    ASSERT_NE(choose, nullptr);
    choose->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenId(), 3);
}

} // namespace
