#include "reports/ReportExport.h"

#include "format/FormatNumber.h"

#include "documents/CashRegisterForm.h"
#include "masterdata/GroupTree.h"
#include "reports/DeliveriesReport.h"
#include "reports/MaterialsReport.h"
#include "reports/ProductionReport.h"
#include "reports/ProfitReports.h"
#include "reports/SalesReport.h"
#include "reports/StockMovementReport.h"
#include "reports/StockQuantitiesReport.h"
#include "reports/TurnoverByCustomer.h"
#include "settings/LocalSettings.h"

#include <functional>
#include <memory>

namespace {

std::vector<int> widthsOf(const std::vector<ListColumn>& columns) {
    std::vector<int> widths;
    for (const ListColumn& column : columns)
        widths.push_back(column.width);
    return widths;
}

// The titles and cells of the shown columns (width above 0).
ReportTable shownTable(const std::vector<ListColumn>& columns, const std::vector<int>& widths,
                       const std::vector<QStringList>& rows) {
    ReportTable table;
    for (size_t k = 0; k < columns.size(); ++k)
        if (widths[k] > 0)
            table.titles << columns[k].title;
    table.rows.reserve(rows.size());
    for (const QStringList& row : rows) {
        QStringList cells;
        for (size_t k = 0; k < widths.size(); ++k)
            if (widths[k] > 0)
                cells << row.value(static_cast<int>(k));
        table.rows.push_back(cells);
    }
    return table;
}

// The table of a reloaded report with its columns.
ReportTable tableOf(const Report& report, const std::vector<ListColumn>& columns,
                    const std::vector<int>& widths) {
    ReportTable table = shownTable(columns, widths.empty() ? widthsOf(columns) : widths, report.Rows());
    for (const auto& [caption, figure] : report.TotalFields())
        table.totals << caption << figure.trimmed();
    // A form that shows no totals (the stock movement) sums a column on a
    // double click; the last line gives every such sum instead.
    if (table.totals.isEmpty())
        for (const int k : report.SumColumns())
            if (k < static_cast<int>(columns.size()) && columns[static_cast<size_t>(k)].width > 0)
                table.totals << "ОБЩО " + columns[static_cast<size_t>(k)].title
                             << FormatNumber(report.ColumnSum(k), 3);
    table.note = report.CurrencyNote();
    return table;
}

// The search text and the ticked groups (each with its subgroups).
bool applyItemFilters(Report& report, const ReportOptions& options, Database& db) {
    report.Search().Set(options.search);
    if (options.groups.empty())
        return true;
    std::vector<GroupNode> roots;
    if (!LoadGroupTree(db, roots))
        return false;
    for (int group : options.groups)
        report.Filter().SetTicked(roots, group, true, true);
    return true;
}

std::optional<ReportTable> reloaded(Report& report, const std::vector<ListColumn>& columns,
                                    const std::function<std::vector<int>()>& widths = {}) {
    if (!report.Reload())
        return std::nullopt;
    return tableOf(report, columns, widths ? widths() : std::vector<int>());
}

std::optional<ReportTable> monthGrid(MonthGridReport& report, const std::vector<ListColumn>& columns,
                                     const ReportOptions& options, Database& db) {
    if (options.year)
        report.SetYear(*options.year);
    if (!applyItemFilters(report, options, db))
        return std::nullopt;
    return reloaded(report, columns);
}

std::optional<ReportTable> periodReport(PeriodReport& report, const std::vector<ListColumn>& columns,
                                        const ReportOptions& options, Database& db) {
    PeriodReport::Conditions conditions = report.Chosen();
    conditions.from = options.from.value_or(conditions.from);
    conditions.to = options.to.value_or(conditions.to);
    conditions.summary = options.summary;
    if (!options.partners.empty())
        conditions.partnerId = options.partners.front();
    report.SetConditions(conditions);
    if (!applyItemFilters(report, options, db))
        return std::nullopt;
    return reloaded(report, columns);
}

std::optional<ReportTable> cashRegister(const ReportOptions& options, Database& db, Prompter& prompter,
                                        const Clock& clock, LocalSettings& settings) {
    CashRegisterForm form(db, prompter, settings, clock);
    CashFilter filter = form.Filter();
    filter.from = options.from.value_or(filter.from);
    filter.to = options.to.value_or(filter.to);
    filter.partners = options.partners;
    if (!form.ApplyFilter(filter))
        return std::nullopt;
    const std::vector<ListColumn> columns = CashRegisterForm::Columns();
    std::vector<QStringList> rows;
    for (const CashRow& row : form.Rows())
        rows.push_back(CashRegisterForm::Cells(row));
    ReportTable table = shownTable(columns, widthsOf(columns), rows);
    // The summary under the list: income and expense with their sums.
    const std::vector<ListColumn> summary = CashRegisterForm::SummaryColumns();
    for (const QStringList& line : form.SummaryRows())
        for (int k = 1; k < line.size(); ++k)
            table.totals << line[0] + " " + summary[static_cast<size_t>(k)].title << line[k];
    return table;
}

} // namespace

QStringList ReportNames() {
    return {"stock",
            "sales",
            "turnover-customers",
            "turnover-months-customers",
            "turnover-months-items",
            "profit-customers",
            "profit-items",
            "movement",
            "deliveries",
            "production",
            "materials",
            "cash"};
}

QStringList OptionsOfReport(const QString& name, bool* repeatsPartner) {
    if (repeatsPartner)
        *repeatsPartner = name == "sales" || name == "cash";
    const QStringList period{"--from", "--to"};
    if (name == "stock")
        return {"--group",   "--search",    "--only-critical", "--all-items",
                "--no-zero", "--with-zero", "--no-negative",   "--with-negative"};
    if (name == "sales")
        return period + QStringList{"--group", "--partner", "--source", "--summary", "--search"};
    if (name == "turnover-customers")
        return period;
    if (name == "turnover-months-customers" || name == "profit-customers")
        return {"--year", "--search"};
    if (name == "turnover-months-items" || name == "profit-items")
        return {"--year", "--group", "--search"};
    if (name == "movement")
        return period + QStringList{"--group", "--search"};
    if (name == "deliveries" || name == "materials")
        return period + QStringList{"--partner", "--summary", "--group", "--search"};
    if (name == "production")
        return period + QStringList{"--summary", "--group", "--search"};
    if (name == "cash")
        return period + QStringList{"--partner"};
    return {};
}

std::optional<ReportTable> RunNamedReport(const QString& name, const ReportOptions& options, Database& db,
                                          Prompter& prompter, const Clock& clock, LocalSettings& settings) {
    if (name == "stock") {
        if (options.onlyCritical)
            settings.SetRptQttysShowOnlyCritical(*options.onlyCritical ? 1 : 0);
        if (options.noZero)
            settings.SetRptQttysDoNotShowZeroVals(*options.noZero ? 1 : 0);
        if (options.noNegative)
            settings.SetRptQttysDoNotShowNegativeVals(*options.noNegative ? 1 : 0);
        StockQuantitiesReport report(db, prompter, clock, settings);
        if (!applyItemFilters(report, options, db))
            return std::nullopt;
        return reloaded(report, StockQuantitiesReport::Columns());
    }
    if (name == "sales") {
        SalesReport report(db, prompter, clock);
        SalesFilter& filter = report.Conditions();
        filter.from = options.from.value_or(filter.from);
        filter.to = options.to.value_or(filter.to);
        filter.invoices = options.invoices.value_or(false);
        filter.customers = options.partners;
        // "обобщена" is the form's check box: ticked by --summary alone, as
        // for the period reports.
        filter.merged = options.summary;
        if (!applyItemFilters(report, options, db))
            return std::nullopt;
        return reloaded(report, SalesReport::Columns(), [&report] {
            std::vector<int> widths;
            for (int k = 0; k < static_cast<int>(SalesReport::Columns().size()); ++k)
                widths.push_back(report.ColumnWidth(k));
            return widths;
        });
    }
    if (name == "turnover-customers") {
        TurnoverByCustomer report(db, prompter, clock);
        report.SetPeriod(options.from.value_or(report.From()), options.to.value_or(report.To()));
        return reloaded(report, TurnoverByCustomer::Columns());
    }
    if (name == "turnover-months-customers") {
        TurnoverByMonthsAndCustomers report(db, prompter, clock, settings);
        return monthGrid(report, TurnoverByMonthsAndCustomers::Columns(), options, db);
    }
    if (name == "turnover-months-items") {
        TurnoverByMonthsAndItems report(db, prompter, clock, settings);
        return monthGrid(report, TurnoverByMonthsAndItems::Columns(), options, db);
    }
    if (name == "profit-customers") {
        ProfitByCustomers report(db, prompter, clock, settings);
        return monthGrid(report, TurnoverByMonthsAndCustomers::Columns(), options, db);
    }
    if (name == "profit-items") {
        ProfitByItems report(db, prompter, clock, settings);
        return monthGrid(report, ProfitByItems::Columns(), options, db);
    }
    if (name == "movement") {
        StockMovementReport report(db, prompter, clock, settings);
        StockMovementReport::Conditions conditions = report.Chosen();
        conditions.from = options.from.value_or(conditions.from);
        conditions.to = options.to.value_or(conditions.to);
        report.SetConditions(conditions);
        if (!applyItemFilters(report, options, db))
            return std::nullopt;
        return reloaded(report, StockMovementReport::Columns());
    }
    if (name == "deliveries") {
        DeliveriesReport report(db, prompter, clock);
        return periodReport(report, DeliveriesReport::Columns(), options, db);
    }
    if (name == "production") {
        ProductionReport report(db, prompter, clock);
        return periodReport(report, ProductionReport::Columns(), options, db);
    }
    if (name == "materials") {
        MaterialsReport report(db, prompter, clock);
        return periodReport(report, MaterialsReport::Columns(), options, db);
    }
    if (name == "cash")
        return cashRegister(options, db, prompter, clock, settings);
    return std::nullopt;
}
