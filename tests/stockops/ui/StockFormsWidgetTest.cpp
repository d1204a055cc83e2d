#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "stockops/ui/CProductionDlg.h"
#include "stockops/ui/CStocktakingDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/FocusChain.h"
#include "support/TestFirm.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>

namespace {

class StockFormsWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db(), FirmRow::Short));
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO production VALUES(1, '2026-12-01', 'Петър');"));
        ASSERT_TRUE(AddStocks(Db(), {StockRow("G1", "Брава").Quantity(10).Cost(2.5).Prices(4, 3.5).Last(2)}));
    }
    static QStringList Captions(QWidget& form) {
        QStringList captions;
        for (QPushButton* button : form.findChildren<QPushButton*>())
            captions << button->text();
        return captions;
    }
};

TEST_F(StockFormsWidgetTest, ProductionShowsItsListsOperatorsAndButtons) {
    FakeFormHost host(prompter, *settings);
    CProductionDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ИЗРАБОТВАНЕ НА ИЗДЕЛИЯ ПО РЕЦЕПТИ");
    EXPECT_TRUE(form.Products()->isColumnHidden(0));
    EXPECT_EQ(form.Materials()->model()->headerData(4, Qt::Horizontal).toString(), "необходими");
    auto* operators = form.findChild<QComboBox*>();
    ASSERT_NE(operators, nullptr);
    EXPECT_EQ(operators->itemText(0), "Петър");
    for (const char* caption : {" [F2]  изделия...", " [F8]  печат...", " [F9]  запис", " [F10] изход"})
        EXPECT_TRUE(Captions(form).contains(caption)) << caption;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (button->text() == " [F9]  запис")
            button->click();
    EXPECT_EQ(prompter.Texts(), QStringList("Не са въведени изделия."));
    // Tab reaches every field, "изработил" among them.
    const QStringList chain = FocusChain(form);
    EXPECT_TRUE(chain.contains("изработил:")) << chain.join('|').toStdString();
}

TEST_F(StockFormsWidgetTest, StocktakingListsTheStockAndSumsAMoneyColumn) {
    FakeFormHost host(prompter, *settings);
    CStocktakingDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - РЕВИЗИЯ");
    ASSERT_EQ(form.List()->RowCount(), 1);
    EXPECT_EQ(form.List()->Row(0).value(5), "10.000");
    for (const char* caption : {" F5  създаване на нов документ", " F6  зареждане на документ ...",
                                " F2  филтър - групи", " F3  търсене ...", " F4  опресни",
                                " F7  редакция ...", " F8  печат ...", " F9  запис", " F10 изход"})
        EXPECT_TRUE(Captions(form).contains(caption)) << caption;
    EXPECT_FALSE(form.findChild<QCheckBox*>()->isEnabled());
    Q_EMIT form.List()->doubleClicked(form.List()->model()->index(0, 8));
    EXPECT_EQ(prompter.Texts(), QStringList("Сумата на артикулите в тази колона е: 25.00"));
}

TEST_F(StockFormsWidgetTest, TheMainWindowOpensBothForms) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kProduction);
    EXPECT_NE(qobject_cast<CProductionDlg*>(frame.centralWidget()), nullptr);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.SwitchView(ViewType::kStocktaking);
    auto* form = qobject_cast<CStocktakingDlg*>(frame.centralWidget());
    ASSERT_NE(form, nullptr);
    // The count's list has the focus at once: Down and F7 need no mouse.
    EXPECT_EQ(QApplication::focusWidget(), form->List());
}

} // namespace
