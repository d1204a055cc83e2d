// The diagram form: its controls and tooltips, the year range holding its
// default, and the year read again by the spin button and "обнови".
#include "app/ui/CMainFrame.h"
#include "reports/ui/CIncomeExpensesDiagram.h"
#include "session/ViewType.h"
#include "settings/PrinterSettings.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

namespace {
class IncomeExpenseDiagramTest : public DatabaseTest {};

TEST_F(IncomeExpenseDiagramTest, ControlsYearsAndReloads) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(1, '2026-04-02', 10);"
                  "INSERT INTO stokovi_main (doc_id, doc_dt, oblagaema_sum) VALUES(2, '2099-04-02', 5);"));
    FakeFormHost host(prompter, *settings);
    CIncomeExpensesDiagram form(*doc, host);
    EXPECT_EQ(host.title, "TARVO - ДИАГРАМА НА НЕТНИТЕ ПРИХОДИ И РАЗХОДИ");
    EXPECT_EQ(form.Year()->value(), 2026);
    EXPECT_EQ(form.Year()->minimum(), 2000);
    EXPECT_EQ(form.Year()->maximum(), 2099);
    EXPECT_EQ(form.Year()->toolTip(), "укажете година, за която желаете да генерирате справка-диаграма...");
    EXPECT_EQ(form.ShownYear(), 2026);
    EXPECT_DOUBLE_EQ(form.Data().income[3], 10);
    QMap<QString, QString> tooltips;
    for (QPushButton* button : form.findChildren<QPushButton*>())
        tooltips[button->text()] = button->toolTip();
    EXPECT_EQ(tooltips["генерирай диаграма"], "генериране на диаграма за предварително указана година...");
    EXPECT_EQ(tooltips["обнови"], "опресняване на данните и диаграмата...");
    EXPECT_EQ(tooltips["изход"], "кликнете тук за изход от диаграмата...");
    EXPECT_EQ(form.ThreeD()->text(), "3D изглед");

    form.Year()->setValue(2099);
    EXPECT_EQ(form.ShownYear(), 2099);
    EXPECT_DOUBLE_EQ(form.Data().income[3], 5);
    ASSERT_TRUE(Db().Exec("UPDATE stokovi_main SET oblagaema_sum = 7 WHERE doc_id = 2;"));
    form.Refresh();
    EXPECT_DOUBLE_EQ(form.Data().income[3], 7);
    form.Print();
    ASSERT_EQ(host.previewed.size(), 1u);
    EXPECT_TRUE(host.previewed[0].contains("ДИАГРАМА НА НЕТНИТЕ ПРИХОДИ И РАЗХОДИ ПРЕЗ 2099 ГОДИНА"));

    PrinterSettings printer;
    CMainFrame frame(*doc, *settings, prompter, printer);
    frame.SwitchView(ViewType::kIncomeExpenseDiagram);
    EXPECT_NE(qobject_cast<CIncomeExpensesDiagram*>(frame.centralWidget()), nullptr);
}
} // namespace
