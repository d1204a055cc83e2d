// The stock movement form: its filter beside it, the stocktaking field, the
// kinds, and the list after "Прилагане на филтъра".
#include "lists/ui/CSortListCtrl.h"
#include "reports/ui/CMovementFilterDlg.h"
#include "reports/ui/CReportStockMovementDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"
#include "support/TestFirm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
class StockMovementWidgetTest : public DatabaseTest {};

TEST_F(StockMovementWidgetTest, TheFilterAppliesItsConditions) {
    ASSERT_TRUE(
        AddStocks(Db(), {StockRow("G1", "Кабел").Group(0).Unit("м").Quantity(4).Cost(1).Prices(2, 2).Last(1),
                         StockRow("S1", "Услуга").Group(0).Unit("ч.").Prices(3, 3).Recipe().Service()}));
    FakeFormHost host(prompter, *settings);
    CReportStockMovementDlg form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - СРАВНИТЕЛНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ И МАТЕРИАЛИ");
    CMovementFilterDlg* filter = form.FilterDialog();
    EXPECT_EQ(filter->windowTitle(), "филтър - обобщена справка");
    EXPECT_FALSE(filter->isModal());
    EXPECT_TRUE(filter->Stocktaking()->text().isEmpty());
    QStringList captions;
    for (QPushButton* button : filter->findChildren<QPushButton*>())
        captions << button->text();
    for (const char* caption :
         {"Ревизии ...", "Без ревизии", "За избани групи ...", "Прилагане на филтъра", "Отказ"})
        EXPECT_TRUE(captions.contains(caption)) << caption;
    EXPECT_EQ(form.List()->RowCount(), 0);
    for (QCheckBox* box : filter->findChildren<QCheckBox*>())
        if (box->text() == "услуги")
            box->setChecked(false);
    filter->Apply();
    EXPECT_FALSE(filter->isVisible());
    ASSERT_EQ(form.List()->RowCount(), 1);
    EXPECT_EQ(form.List()->Row(0).value(10), "4.000");
}
} // namespace
