#include "reports/IncomeExpenseYear.h"

#include "base/Clock.h"
#include "db/Database.h"
#include "masterdata/FirmCurrency.h"
#include "format/SqlDates.h"

#include <algorithm>

namespace {
// The sums of one statement's rows (date, value) by month; leva amounts in
// euro when `currency` is given (a year that crosses the changeover).
bool addByMonth(Database& db, const Clock& clock, const FirmCurrency* currency, const char* statement,
                int year, std::array<double, 12>& months, double& total) {
    ResultTable table;
    if (!db.Query(table, statement, QString("%1-01-01").arg(year), QString("%1-12-31").arg(year)))
        return false;
    const int today = clock.Now().date().month();
    for (int r = 1; r <= table.Rows(); ++r) {
        const QDate date = SqlToDate(table.Text(r, 0).left(10));
        const int month = date.isValid() ? date.month() : today;
        const double value = currency ? currency->InCurrent(table.Double(r, 1), date) : table.Double(r, 1);
        months[static_cast<size_t>(month - 1)] += value;
        total += value;
    }
    return true;
}
} // namespace

bool IncomeExpenseYear::Empty() const {
    const auto zero = [](const std::array<double, 12>& months) {
        return std::all_of(months.begin(), months.end(), [](double v) { return v == 0; });
    };
    return zero(income) && zero(deliveries) && zero(production);
}

double IncomeExpenseYear::Minimum() const {
    double lowest = 0;
    for (const auto* months : {&income, &deliveries, &production})
        for (double v : *months)
            lowest = std::min(lowest, v);
    return lowest;
}

bool LoadIncomeExpenseYear(Database& db, const Clock& clock, int year, IncomeExpenseYear& record) {
    record = IncomeExpenseYear();
    IncomeExpenseYear read;
    const FirmCurrency firm = LoadFirmCurrency(db);
    read.converted = firm.Crosses(QDate(year, 1, 1), QDate(year, 12, 31));
    const FirmCurrency* currency = read.converted ? &firm : nullptr;
    if (!addByMonth(
            db, clock, currency,
            "SELECT doc_dt, oblagaema_sum FROM stokovi_main WHERE (doc_dt >= ? AND doc_dt <= ?) ORDER BY doc_dt ASC;",
            year, read.income, read.incomeTotal) ||
        !addByMonth(
            db, clock, currency,
            "SELECT doc_dt, oblagaema_sum FROM supplies_main WHERE (doc_dt >= ? AND doc_dt <= ?);",
            year, read.deliveries, read.expenseTotal) ||
        !addByMonth(
            db, clock, currency,
            "SELECT doc_dt, ROUND((quantity * cost_price),2) as total_price FROM production_cmp WHERE "
            "(doc_dt >= ? AND doc_dt <= ?);",
            year, read.production, read.expenseTotal))
        return false;
    for (const auto* months : {&read.income, &read.deliveries, &read.production})
        for (double v : *months)
            read.maximum = std::max(read.maximum, v);
    record = read;
    return true;
}
