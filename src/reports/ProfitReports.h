#pragma once

#include "reports/MonthGridReport.h"

#include <map>

// Profit by months and customers: each month's net sales of a customer's
// goods notes less the cost of the goods at today's cost prices.
class ProfitByCustomers : public TurnoverByMonthsAndCustomers {
public:
    using TurnoverByMonthsAndCustomers::TurnoverByMonthsAndCustomers;

protected:
    bool BeforeRows() override;
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;

private:
    // The cost of the goods sold by customer and month.
    QHash<int, std::array<double, 12>> m_costs;
};

// Profit by months and items: each month's net value of an item's lines
// less their quantity at the item's cost today.
class ProfitByItems : public MonthGridReport {
public:
    using MonthGridReport::MonthGridReport;
    static std::vector<ListColumn> Columns();
    int FirstMonthColumn() const override { return 3; }
    SqlStatement Statement() override;

protected:
    bool BeforeRows() override;
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;

private:
    QHash<QString, std::array<double, 12>> m_profits;
};
