// The cash register as the clerk sees it: the buttons with their tooltips and
// enabling, the filter dialog beside the form, the options menu, the red
// expense rows, and the payment dialog's "Плащане 100%".
#include "app/ui/CMainFrame.h"
#include "base/ui/DecimalSpinBox.h"
#include "documents/ui/CCashRegisterDlg.h"
#include "documents/ui/CCashFilterDlg.h"
#include "documents/ui/CCashPaymentDlg.h"
#include "lists/ui/CSortListCtrl.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>

namespace {
class CashRegisterWidgetTest : public DatabaseTest {};

TEST_F(CashRegisterWidgetTest, ButtonsFilterMenuAndRows) {
    ASSERT_TRUE(Db().Exec(
        "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, "
        "partner_name) VALUES(1, 1, 0, 'Алфа');"
        "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, "
        "partner_name) VALUES(2, 0, 1, 'Бета');"
        "INSERT INTO cash_register VALUES(1, 0, '', '2026-12-07', '2026-12-07', 'А', 1, 10, 0, 0);"
        "INSERT INTO cash_register VALUES(2, 1, '', '2026-12-07', '2026-12-07', 'Б', 2, 4, 0, 0);"));
    FakeFormHost host(prompter, *settings);
    CCashRegisterDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ПРИХОДИ И РАЗХОДИ");
    QMap<QString, QString> tooltips;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        tooltips[button->text()] = button->toolTip();
    for (const char* caption :
         {" F2  филтър ...", " F3  търсене ...", " F4  опресни", " F5  нова операция", " F6  промяна ...",
          " F7  изтрий", " F8  други опции ...", " F9  печат ...", " F10 изход"})
        EXPECT_TRUE(tooltips.contains(caption)) << caption;
    EXPECT_EQ(tooltips[" F2  филтър ..."], "Задаване на условие, по което да се филтрират данните...");
    EXPECT_EQ(tooltips[" F10 изход"], "Изход от този модул и връщане към началния екран на програмата...");
    EXPECT_EQ(tooltips[" F9  печат ..."], "Отпечатване на визуализираните данни...");

    // Empty until the filter is applied; the summary at nine zeros.
    EXPECT_EQ(form.List()->RowCount(), 0);
    EXPECT_FALSE(form.PrintButton()->isEnabled());
    EXPECT_FALSE(form.EditButton()->isEnabled());
    EXPECT_EQ(form.Summary()->RowCount(), 3);
    EXPECT_EQ(form.Summary()->Row(2), QStringList({"Остатък", "0.00", "0.00", "0.00"}));

    CCashFilterDlg* filter = form.FilterDialog();
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->windowTitle(), "филтър - приходи и разходи");
    EXPECT_FALSE(filter->isModal());
    EXPECT_EQ(filter->Partners()->count(), 2);
    filter->Tabs()->setCurrentIndex(2);
    ASSERT_EQ(filter->Partners()->count(), 1);
    EXPECT_EQ(filter->Partners()->item(0)->text(), "Бета");
    filter->Apply();
    ASSERT_EQ(form.List()->RowCount(), 2);
    EXPECT_TRUE(form.PrintButton()->isEnabled());
    EXPECT_TRUE(form.EditButton()->isEnabled());
    EXPECT_EQ(form.Summary()->Row(2), QStringList({"Остатък", "6.00", "0.00", "6.00"}));
    // The expense row is red.
    const QModelIndex expense = form.List()->model()->index(1, 1);
    EXPECT_EQ(expense.data().toString(), "РО");
    EXPECT_EQ(expense.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));

    // Only the ticked supplier.
    filter->Partners()->item(0)->setCheckState(Qt::Checked);
    filter->Apply();
    EXPECT_EQ(form.List()->RowCount(), 1);

    QStringList entries;
    for (QAction* action : form.OptionsMenu()->actions()) {
        entries << action->text();
        if (action->menu())
            for (QAction* field : action->menu()->actions())
                entries << field->text() + (field->isChecked() ? "+" : "-");
    }
    EXPECT_EQ(entries.size(), 14);
    EXPECT_TRUE(entries.contains("Експорт в CSV"));
    EXPECT_TRUE(entries.contains("Начин на плащане+"));
    form.Print();
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains("ПРИХОДИ И РАЗХОДИ"));
}

TEST_F(CashRegisterWidgetTest, PayAllFillsTheRemainingAndThePrevious) {
    CCashPaymentDlg fresh({QDate(2026, 12, 8), 0, 0, 12.34}, [](double) { return true; });
    EXPECT_EQ(fresh.windowTitle(), "ново плащане / редакция");
    fresh.PayAll();
    EXPECT_DOUBLE_EQ(fresh.Amount()->value(), 12.34);
    CCashPaymentDlg edited({QDate(2026, 12, 8), 5, 5, 12.34}, [](double) { return true; });
    edited.PayAll();
    EXPECT_DOUBLE_EQ(edited.Amount()->value(), 17.34);
}

TEST_F(CashRegisterWidgetTest, TheMenuOpensTheForm) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kCashRegister);
    EXPECT_NE(qobject_cast<CCashRegisterDlg*>(frame.centralWidget()), nullptr);
}
} // namespace
