// What a script writes with `tarvo report` is what the form exports: the
// form's list (its shown columns, in its order) and the script's rows, both
// as the CSV text of the export, on a generated firm.
#include "genfirm/GeneratedFirm.h"
#include "lists/CsvExport.h"
#include "lists/ui/CSortListCtrl.h"
#include "reports/ReportExport.h"
#include "reports/ui/CMonthGridForm.h"
#include "reports/ui/CReportOborotByPartnerDlg.h"
#include "support/DatabaseTest.h"
#include "support/FakeFormHost.h"

#include <QDateEdit>
#include <QSpinBox>

namespace {

class ReportExportWidgetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(GenerateFirm(*doc->GetDatabase(), 0.01));
    }
    // The export of the form's list, and that of the script for the name.
    void ExpectSameCsv(const CReportForm& form, const QString& name, const ReportOptions& options) {
        const QByteArray exported = CsvText(form.List()->VisibleTitles(), form.List()->VisibleRows(), ";");
        const std::optional<ReportTable> table =
            RunNamedReport(name, options, Db(), prompter, clock, *settings);
        ASSERT_TRUE(table);
        EXPECT_FALSE(table->rows.empty()) << name.toStdString();
        EXPECT_EQ(CsvText(table->titles, table->rows, ";"), exported) << name.toStdString();
    }
};

TEST_F(ReportExportWidgetTest, TheScriptsCsvIsTheFormsExport) {
    FakeFormHost host(prompter, *settings);
    // The generated firm's last full year.
    ReportOptions options;
    options.from = QDate(2025, 3, 1);
    options.to = QDate(2025, 5, 31);
    options.year = 2025;
    CReportOborotByPartnerDlg turnover(*doc, host);
    turnover.FromField()->setDate(*options.from);
    turnover.ToField()->setDate(*options.to);
    ExpectSameCsv(turnover, "turnover-customers", options);

    using Maker = QWidget* (*)(CTarvoDoc&, FormHost&);
    const std::pair<Maker, const char*> grids[] = {
        {MakeTurnoverByMonthsAndItems, "turnover-months-items"},
        {MakeTurnoverByMonthsAndCustomers, "turnover-months-customers"},
        {MakeProfitByCustomers, "profit-customers"},
        {MakeProfitByItems, "profit-items"}};
    for (const auto& [make, name] : grids) {
        std::unique_ptr<QWidget> widget(make(*doc, host));
        auto* form = dynamic_cast<CMonthGridForm*>(widget.get());
        ASSERT_TRUE(form);
        form->YearField()->setValue(2025);
        ExpectSameCsv(*form, name, options);
    }
}

} // namespace
