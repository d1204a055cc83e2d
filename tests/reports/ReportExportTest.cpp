// The reports as a script reads them: every name on a generated firm, the
// filters as options, and the options' checks.
#include "reports/ReportExport.h"

#include "app/ReportCommand.h"
#include "genfirm/GeneratedFirm.h"
#include "reports/TurnoverByCustomer.h"
#include "support/DatabaseTest.h"

namespace {

class ReportExportTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(GenerateFirm(*doc->GetDatabase(), 0.01));
    }
    std::optional<ReportTable> Run(const QString& name, const QStringList& arguments = {}) {
        ReportOptions options;
        EXPECT_EQ(ParseReportOptions(arguments, options), "");
        return RunNamedReport(name, options, Db(), prompter, clock, *settings);
    }
};

TEST_F(ReportExportTest, EveryReportGivesItsShownColumnsRowsAndTotals) {
    for (const QString& name : ReportNames()) {
        const std::optional<ReportTable> table =
            Run(name, {"--from=01.01.2024", "--to=2026-12-31", "--year=2025"});
        ASSERT_TRUE(table) << name.toStdString();
        EXPECT_FALSE(table->titles.isEmpty()) << name.toStdString();
        EXPECT_FALSE(table->titles.contains("#")) << name.toStdString(); // hidden ids stay out
        for (const QStringList& row : table->rows)
            ASSERT_EQ(row.size(), table->titles.size()) << name.toStdString();
        EXPECT_EQ(table->totals.size() % 2, 0) << name.toStdString();
        EXPECT_FALSE(table->totals.isEmpty()) << name.toStdString();
        if (name == "movement") {
            EXPECT_EQ(table->totals.value(2), "ОБЩО доставени"); // the sums a double click shows
        }
        if (name != "production" && name != "materials" && name != "cash" && name != "movement") {
            EXPECT_FALSE(table->rows.empty()) << name.toStdString();
        }
    }
    EXPECT_FALSE(Run("unknown"));
    EXPECT_TRUE(prompter.Texts().isEmpty());
}

TEST_F(ReportExportTest, FiltersAreTheFormsFilters) {
    // The turnover by customers of a period is the report's own rows.
    TurnoverByCustomer report(Db(), prompter, clock);
    report.SetPeriod(QDate(2025, 3, 1), QDate(2025, 3, 31));
    ASSERT_TRUE(report.Reload());
    const std::optional<ReportTable> table =
        Run("turnover-customers", {"--from=01.03.2025", "--to=2025-03-31"});
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rows.size(), report.Rows().size());
    for (size_t k = 0; k < table->rows.size(); ++k)
        EXPECT_EQ(table->rows[k], report.Rows()[k].mid(1));
    EXPECT_EQ(table->titles, QStringList({"наименование на клиента", "нето сума", "сума с ДДС"}));
    EXPECT_EQ(table->totals,
              QStringList({"ОБЩО НЕТО:", report.NetText(), "СУМА С ДДС:", report.GrossText()}));

    // A partner narrows the sales report to that customer's documents.
    const int customer = Scalar("SELECT partner_id FROM stokovi_main GROUP BY partner_id "
                                "ORDER BY COUNT(*) DESC LIMIT 1;")
                             .toInt();
    const std::optional<ReportTable> all =
        Run("sales", {"--from=01.01.2025", "--to=31.12.2025", "--summary"});
    const std::optional<ReportTable> one = Run("sales", {"--from=01.01.2025", "--to=31.12.2025", "--summary",
                                                         QString("--partner=%1").arg(customer)});
    ASSERT_TRUE(all && one);
    EXPECT_LT(one->rows.size(), all->rows.size());
    EXPECT_FALSE(one->rows.empty());
    // Without --summary every line of every document.
    const std::optional<ReportTable> detailed = Run("sales", {"--from=01.01.2025", "--to=31.12.2025"});
    ASSERT_TRUE(detailed);
    EXPECT_GT(detailed->rows.size(), all->rows.size());
    EXPECT_TRUE(detailed->titles.contains("документ"));

    // The stock report's options and a group; without them, as the form
    // opens: no zero or negative stock.
    const std::optional<ReportTable> stock = Run("stock");
    const std::optional<ReportTable> everything = Run("stock", {"--with-zero", "--with-negative"});
    ASSERT_TRUE(stock && everything);
    EXPECT_LT(stock->rows.size(), everything->rows.size());
    for (const QStringList& row : stock->rows)
        EXPECT_FALSE(row[4] == "-" || row[4].startsWith('-')) << row.join(';').toStdString();
    const std::optional<ReportTable> critical = Run("stock", {"--only-critical", "--no-zero", "--no-negative"});
    ASSERT_TRUE(stock && critical);
    EXPECT_LE(critical->rows.size(), stock->rows.size());
    const QString group = Scalar("SELECT id FROM groups ORDER BY id LIMIT 1;");
    const std::optional<ReportTable> grouped = Run("stock", {"--group=" + group, "--all-items"});
    ASSERT_TRUE(grouped);
    EXPECT_LT(grouped->rows.size(), stock->rows.size());
    EXPECT_EQ(settings->RptQttysShowOnlyCritical(), 0); // --all-items, the last run's choice
}

TEST(ReportOptions, DatesInBothFormsAndClearRefusals) {
    EXPECT_EQ(ParseCommandDate("08.12.2026"), QDate(2026, 12, 8));
    EXPECT_EQ(ParseCommandDate("2026-12-08"), QDate(2026, 12, 8));
    EXPECT_FALSE(ParseCommandDate("31.02.2026").isValid());
    EXPECT_FALSE(ParseCommandDate("12/08/2026").isValid());
    ReportOptions options;
    EXPECT_EQ(ParseReportOptions({"--from=31.02.2026"}, options),
              "Невалидна дата: \"31.02.2026\" (дд.мм.гггг или гггг-мм-дд)");
    EXPECT_EQ(ParseReportOptions({"--from"}, options), "Липсва стойност на --from");
    EXPECT_EQ(ParseReportOptions({"--colour=red"}, options), "Непозната опция: --colour=red");
    EXPECT_EQ(ParseReportOptions({"--source=proformas"}, options),
              "Невалидна стойност на --source: \"proformas\"");
    EXPECT_EQ(ParseReportOptions({"--year=1999"}, options), "Невалидна стойност на --year: \"1999\"");
    EXPECT_EQ(ParseReportOptions({"--from=09.12.2026", "--to=08.12.2026"}, options),
              "Началната дата е след крайната.");
    ReportOptions good;
    EXPECT_EQ(ParseReportOptions(
                  {"--group=3", "--group=5", "--partner=7", "--source=invoices", "--search=кабел"}, good),
              "");
    EXPECT_EQ(good.groups, std::vector<int>({3, 5}));
    EXPECT_EQ(good.partners, std::vector<int>({7}));
    EXPECT_EQ(good.invoices, std::optional<bool>(true));
    EXPECT_EQ(good.search, "кабел");
}

} // namespace
