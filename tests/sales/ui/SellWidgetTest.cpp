#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "sales/ui/CSellDlg.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/TestFirm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTreeWidget>

namespace {

class SellWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db(), FirmRow::Short));
    }
    QAction* MenuAction(CMainFrame& frame, const QString& text) {
        for (QAction* action : frame.menuBar()->findChildren<QAction*>())
            if (action->text().remove('&') == text)
                return action;
        return nullptr;
    }
};

TEST_F(SellWidgetTest, TheFormShowsANewGoodsNoteWithItsTotals) {
    FakeFormHost host(prompter, *settings);
    CSellDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ПРОДАЖБИ И ФАКТУРИРАНЕ");
    QStringList labels;
    for (QLabel* label : form.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("ДОКУМЕНТ: СТОКОВА РАЗПИСКА"));
    QStringList totals;
    auto* list = form.findChild<QTreeWidget*>();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        totals << list->topLevelItem(row)->text(0) + " " + list->topLevelItem(row)->text(1);
    EXPECT_EQ(totals, (QStringList{"СУМА: 0.00", "ОТСТЪПКА: 0.00", "ДАНЪЧНА ОСНОВА: 0.00", "ДДС 20%: 0.00",
                                   "СУМА ЗА ПЛАЩАНЕ: 0.00"}));
    EXPECT_TRUE(form.List()->isColumnHidden(0));
    EXPECT_TRUE(form.List()->isColumnHidden(1));
    EXPECT_EQ(form.List()->model()->headerData(10, Qt::Horizontal).toString(), "код по номенкл. на клиента");
    EXPECT_EQ(form.NewOperationMenu()->defaultAction()->text(), "&Продажба със стокова разписка");
    EXPECT_EQ(form.NewOperationMenu()->actions()[1]->shortcut(), QKeySequence("Alt+F7"));
    EXPECT_EQ(form.LoadMenu()->actions()[0]->shortcut(), QKeySequence("Ctrl+F6"));
    bool numberShown = false;
    for (QLineEdit* edit : form.findChildren<QLineEdit*>())
        numberShown = numberShown || edit->text() == "0000000001";
    EXPECT_TRUE(numberShown);
}

// The invoices for earlier documents sit in the new-operation menu; Alt+F9
// and Shift+F9 print, after the save's checks.
TEST_F(SellWidgetTest, TheMenusOfferTheEarlierDocumentsAndBothPrints) {
    FakeFormHost host(prompter, *settings);
    CSellDlg form(*doc, host);
    QStringList entries;
    for (QAction* action : form.NewOperationMenu()->actions())
        if (!action->isSeparator())
            entries << action->text().remove('&');
    EXPECT_EQ(entries, (QStringList{"Продажба със стокова разписка", "Фактура + стокова разписка",
                                    "Фактура - свободен текст", "Фактура - проформа",
                                    "Фактура към вече издадена стокова разписка ...",
                                    "Фактура за издадена проформа ...",
                                    "Сборна фактура към повече от една издадена стокова разписка ...",
                                    "Дебитно известие", "Кредитно известие"}));
    for (const char* key : {"Alt+F9", "Shift+F9"}) {
        QShortcut* print = nullptr;
        for (QShortcut* shortcut : form.findChildren<QShortcut*>())
            if (shortcut->key() == QKeySequence(key))
                print = shortcut;
        ASSERT_NE(print, nullptr) << key;
        const int boxes = prompter.Count();
        Q_EMIT print->activated();
        ASSERT_EQ(prompter.Count(), boxes + 1) << key;
    }
    // The original of a new document waits for the save; the copy runs the save's checks.
    EXPECT_TRUE(prompter.Texts()[0].startsWith("Оригиналът на документа се отпечатва след неговия запис."));
    EXPECT_EQ(prompter.Texts()[1], "Не е въведено името на лицето, което е съставило документа.");
    EXPECT_TRUE(host.previewed.empty());
}

// The sale form's Ctrl+F6 (load a goods note) wins over the window's
// "Производство" while the form is shown, and gives it back afterwards.
TEST_F(SellWidgetTest, TheFormsOwnKeysWinWhileItIsShown) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    QAction* production = MenuAction(frame, "Производство");
    ASSERT_NE(production, nullptr);
    EXPECT_EQ(production->shortcut(), QKeySequence("Ctrl+F6"));
    frame.SwitchView(ViewType::kSales);
    ASSERT_EQ(frame.ActiveViewType(), ViewType::kSales);
    EXPECT_TRUE(production->shortcut().isEmpty());
    bool formHasIt = false;
    for (QShortcut* shortcut : frame.centralWidget()->findChildren<QShortcut*>())
        formHasIt = formHasIt || shortcut->key() == QKeySequence("Ctrl+F6");
    EXPECT_TRUE(formHasIt);
    frame.SwitchView(ViewType::kStart);
    EXPECT_EQ(production->shortcut(), QKeySequence("Ctrl+F6"));
}

} // namespace
