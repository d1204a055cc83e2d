#include "app/ui/CMainFrame.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "reports/ui/CReportQuantitiesDlg.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/TestFirm.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

class StockReportWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(Db().Exec("INSERT INTO groups VALUES(1, 'Стоки', 0);"));
        ASSERT_TRUE(AddStocks(Db(), {StockRow("A", "Алфа").Quantity(5).Cost(2).Prices(3, 2.5).Last(2),
                                     StockRow("B", "Бета").Quantity(2).Cost(1).Prices(3, 2.5).Last(2)}));
    }
    static QPushButton* Button(QWidget& form, const QString& caption) {
        for (QPushButton* button : form.findChildren<QPushButton*>())
            if (button->text() == caption)
                return button;
        return nullptr;
    }
};

TEST_F(StockReportWidgetTest, OpensOnTheGroupWindowAndLoadsOnApplyAndF4) {
    FakeFormHost host(prompter, *settings);
    CReportQuantitiesDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - НАЛИЧНОСТИ и ВЛОЖЕНИ СРЕДСТВА");
    form.show();
    EXPECT_TRUE(form.GroupFilterWindow()->isVisible());
    EXPECT_EQ(form.List()->RowCount(), 0);
    for (const char* caption : {" F2  групи ...", " F3  търсене ...", " F4  опресни", "експорт в CSV",
                                " настройки ...", " F9  печат ...", " F10 изход"})
        ASSERT_NE(Button(form, caption), nullptr) << caption;
    EXPECT_FALSE(Button(form, " F9  печат ...")->isEnabled());
    QStringList totals;
    for (QLineEdit* field : form.findChildren<QLineEdit*>())
        totals << field->text();
    EXPECT_EQ(totals, QStringList({"ОБЩО К-ВО:  0.00 ", "СТОЙНОСТ:  0.00 "}));

    form.GroupFilterWindow()->accept();
    EXPECT_EQ(form.List()->RowCount(), 2);
    EXPECT_TRUE(Button(form, " F9  печат ...")->isEnabled());
    EXPECT_EQ(host.duration.right(5), " сек.");
    EXPECT_EQ(form.List()->model()->headerData(5, Qt::Horizontal).toString(), "eд. себестойност");
    Q_EMIT form.List()->doubleClicked(form.List()->model()->index(0, 6));
    EXPECT_EQ(prompter.Texts(), QStringList("Сумата на артикулите в тази колона е: 12.00"));
    Q_EMIT form.List()->doubleClicked(form.List()->model()->index(0, 2));
    EXPECT_EQ(prompter.Count(), 1);

    // The options flip without a reload; F4 reloads with them.
    QAction* zero = form.SettingsMenu()->actions()[1];
    EXPECT_TRUE(zero->isChecked());
    ASSERT_TRUE(Db().Exec("UPDATE stocks SET quantity = 0 WHERE code = 'B';"));
    zero->trigger();
    EXPECT_EQ(settings->RptQttysDoNotShowZeroVals(), 0);
    EXPECT_EQ(form.List()->RowCount(), 2);
    Button(form, " F4  опресни")->click();
    EXPECT_EQ(form.List()->RowCount(), 2);
    EXPECT_EQ(form.List()->Row(1).value(4), "-");
}

TEST_F(StockReportWidgetTest, TheReportsMenuEntryOpensIt) {
    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kStockQuantitiesReport);
    EXPECT_NE(qobject_cast<CReportQuantitiesDlg*>(frame.centralWidget()), nullptr);
}

} // namespace
