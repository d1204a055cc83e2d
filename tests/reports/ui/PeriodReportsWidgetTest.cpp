// The delivery, production and materials forms: titles, their filters
// beside them with each one's own condition, and the totals after
// "приложи филтъра".
#include "lists/ui/CSortListCtrl.h"
#include "reports/ui/CPeriodReportForm.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
class PeriodReportsWidgetTest : public DatabaseTest {
protected:
    static QStringList Captions(QWidget* widget) {
        QStringList captions;
        for (QPushButton* button : widget->findChildren<QPushButton*>())
            captions << button->text();
        return captions;
    }
    static QStringList Totals(QWidget* widget) {
        QStringList texts;
        for (QLineEdit* field : widget->findChildren<QLineEdit*>())
            if (field->isReadOnly() && !field->accessibleName().isEmpty())
                texts << field->text();
        return texts;
    }
};

TEST_F(PeriodReportsWidgetTest, TitlesFiltersAndTotals) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO production (doc_id, doc_dt, produced_by) VALUES(1, '2026-12-04', 'Иван');"
                  "INSERT INTO production_cmp (doc_id, doc_dt, seq_id, code, stock_name, group_id, units, "
                  "quantity, cost_price, "
                  "produced_by) VALUES(1, '2026-12-04', 1, 'P1', 'Изделие', 0, 'бр.', 2, 1.5, 'Иван');"));
    FakeFormHost host(prompter, *settings);

    CReportDeliveriesDlg deliveries(*doc, host);
    EXPECT_EQ(host.title, "TARVO - СПРАВКА ДОСТАВКИ");
    EXPECT_EQ(deliveries.FilterDialog()->windowTitle(), "филтър - доставки");
    for (const char* caption : {"покажи за конкретен доставчик", "X", "избор на групи", "приложи филтъра"})
        EXPECT_TRUE(Captions(deliveries.FilterDialog()).contains(caption)) << caption;
    EXPECT_TRUE(Totals(&deliveries).contains("ТОТАЛ:  0.00 "));

    CReportProductionDlg production(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ПРОИЗВЕДЕНИ ИЗДЕЛИЯ");
    CPeriodFilterDlg* filter = production.FilterDialog();
    EXPECT_EQ(filter->windowTitle(), "филтър - производство");
    ASSERT_NE(filter->Producer(), nullptr);
    EXPECT_EQ(filter->Producer()->count(), 1);
    EXPECT_TRUE(Totals(&production).contains("КОЛ-ВО:  0.000 "));
    filter->SummaryButton()->setChecked(true);
    filter->Apply();
    ASSERT_EQ(production.List()->RowCount(), 1);
    EXPECT_TRUE(production.Behaviour().Chosen().summary);
    EXPECT_TRUE(Totals(&production).contains("СТ-СТ:  3.00 "));

    CReportConsumatives materials(*doc, host);
    EXPECT_EQ(host.title, "TARVO - СПРАВКА МАТЕРИАЛИ и КОНСУМАТИВИ");
    EXPECT_EQ(materials.FilterDialog()->windowTitle(), "филтър - вложени материали");
    QStringList boxes;
    for (QCheckBox* box : materials.FilterDialog()->findChildren<QCheckBox*>())
        boxes << box->text();
    EXPECT_EQ(boxes, QStringList({"изделия", "услуги"}));
    EXPECT_TRUE(Captions(materials.FilterDialog()).contains("покажи за конкретен клиент..."));
}
} // namespace
