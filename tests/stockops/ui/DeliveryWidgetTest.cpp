#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "stockops/ui/CDeliveryDlg.h"
#include "stockops/ui/CDeliveryLineDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/FocusChain.h"
#include "support/TestFirm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class DeliveryWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db(), FirmRow::Short));
    }
};

TEST_F(DeliveryWidgetTest, TheFormOpensOnANewDeliveryWithItsButtonsAndKeys) {
    FakeFormHost host(prompter, *settings);
    CDeliveryDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ДОСТАВКА");
    EXPECT_TRUE(form.List()->isColumnHidden(0));
    QStringList headers;
    for (int column = 1; column < form.List()->model()->columnCount(); ++column)
        headers << form.List()->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"код", "наименование", "мярка", "количество", "дост. цена", "общо"}));
    QStringList totals;
    auto* list = form.findChild<QTreeWidget*>();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        totals << list->topLevelItem(row)->text(0) + list->topLevelItem(row)->text(1);
    EXPECT_EQ(totals, (QStringList{"СУМА:0.00 ", "Т.О.:0.00 ", "ДДС:0.00 ", "ВСИЧКО:0.00 "}));

    std::map<QString, QPushButton*> buttons;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        buttons[button->text()] = button;
    for (const char* caption :
         {" [F2]  стоки...", " [F3]  промяна...", " [F4]  изтрий", " [F9]  запис и печат", " [F10] изход",
          " [F6] зареждане...", "[F7] нова операция", " [F8] избиране на доставчик..."})
        ASSERT_TRUE(buttons.count(caption)) << caption;
    EXPECT_EQ(buttons[" [F10] изход"]->toolTip(), "Изход от модула за доставки...");
    // Nothing to change or remove yet; F9 runs the checks.
    EXPECT_FALSE(buttons[" [F3]  промяна..."]->isEnabled());
    buttons[" [F9]  запис и печат"]->click();
    EXPECT_EQ(prompter.Texts(), QStringList("Не са въведени артикули по тази операция."));
    auto* paid = form.findChild<QCheckBox*>();
    ASSERT_NE(paid, nullptr);
    EXPECT_EQ(paid->text(), "плащане до:");
    EXPECT_TRUE(paid->toolTip().contains("\"Приходи и разходи\""));

    // A typed receiver is remembered for the next delivery.
    for (QLineEdit* edit : form.findChildren<QLineEdit*>())
        if (edit->accessibleName() == "ПРИЕЛ:") {
            edit->setFocus();
            edit->insert("Мария");
        }
    EXPECT_EQ(settings->SuppliesLastAutoCompleteName(), "Мария");
    // Tab walks the day, month and year of a date before it leaves it.
    EXPECT_EQ(FocusChain(form),
              (QStringList{"ПРИЕЛ:", " [F2]  стоки...", " [F9]  запис и печат", " [F10] изход",
                           "номер:", "дата:", "дата:", "дата:", " [F6] зареждане...", "[F7] нова операция",
                           " [F8] избиране на доставчик...", "артикули", "плащане до:", "плащане до:",
                           "плащане до:", "плащане до:", "ТО (%):", "ПО ФАКТУРА №", "ПРЕДАЛ:"}));
}

TEST_F(DeliveryWidgetTest, TheMainWindowOpensDeliveriesOnCtrlF4) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    QAction* deliveries = nullptr;
    for (QAction* action : frame.menuBar()->findChildren<QAction*>())
        if (action->text().remove('&') == "Доставки" && action->shortcut() == QKeySequence("Ctrl+F4"))
            deliveries = action;
    ASSERT_NE(deliveries, nullptr);
    ASSERT_TRUE(deliveries->isEnabled());
    deliveries->trigger();
    EXPECT_EQ(frame.ActiveViewType(), ViewType::kDeliveries);
    EXPECT_NE(qobject_cast<CDeliveryDlg*>(frame.centralWidget()), nullptr);
}

TEST_F(DeliveryWidgetTest, TheLineDialogShowsThePriceWithVatWhileTicked) {
    DeliveryLineDialog::Request request;
    request.code = "G1";
    request.name = "Кабел";
    request.price = 10;
    request.withVat = true;
    request.vatRate = 20;
    std::vector<DeliveryLineDialog::Answer> offered;
    CDeliveryLineDlg dialog(request, [&offered](const DeliveryLineDialog::Answer& a) {
        offered.push_back(a);
        return true;
    });
    EXPECT_EQ(dialog.windowTitle(), "артикул");
    QLineEdit* withVat = nullptr;
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (edit->accessibleName() == "цена с ДДС")
            withVat = edit;
    ASSERT_NE(withVat, nullptr);
    EXPECT_EQ(withVat->text(), "12.00");
    auto* box = dialog.findChild<QCheckBox*>();
    box->setChecked(false);
    EXPECT_EQ(withVat->text(), "");
    static_cast<QDialog&>(dialog).accept();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_FALSE(offered[0].withVat);
    EXPECT_DOUBLE_EQ(offered[0].price, 10);
    EXPECT_DOUBLE_EQ(offered[0].quantity, 1);

    request.withVatEnabled = false;
    request.withVat = false;
    CDeliveryLineDlg registered(request, [](const DeliveryLineDialog::Answer&) { return true; });
    EXPECT_FALSE(registered.findChild<QCheckBox*>()->isEnabled());
}

} // namespace
