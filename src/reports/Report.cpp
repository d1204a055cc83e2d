#include "reports/Report.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/DbSettings.h"
#include "db/ReportDbError.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"

#include <algorithm>

Report::Report(Database& db, Prompter& prompter, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_timer(clock) {}

bool Report::Reload(const std::function<void(int, int)>& progress) {
    m_timer.Start();
    m_rows.clear();
    m_currency = LoadFirmCurrency(m_db);
    m_converted = false;
    const bool read = !MayLoad() || Read(progress);
    if (!read)
        m_rows.clear();
    ComputeTotals();
    m_timer.Stop();
    return read;
}

// The transaction is taken as a writer (the cost roll-up stores costs), and
// ends on every path: a reload never leaves the file locked.
bool Report::Read(const std::function<void(int, int)>& progress) {
    const bool optimize = DbSettings(m_db).ReportOptimizer() != 0;
    const SqlStatement sql = Statement();
    WriteTransaction transaction(m_db);
    if (optimize && !transaction.Begin())
        return false;
    ResultTable table;
    DbResult result = m_db.QueryWithRetry(sql, table);
    if (result.Failed()) {
        transaction.Rollback();
        ReportDbError(m_prompter, result);
        return false;
    }
    if (!BeforeRows())
        return false;
    const int total = table.Rows();
    m_rows.reserve(static_cast<size_t>(total));
    for (int r = 1; r <= total; ++r) {
        if (progress && (r % 500 == 0 || r == total))
            progress(r, total);
        if (std::optional<QStringList> row = RowOf(table, r))
            m_rows.push_back(std::move(*row));
    }
    return !optimize || transaction.Commit();
}

bool Report::ConvertsPeriod(const QDate& from, const QDate& to) {
    m_converted = m_currency.Crosses(from, to);
    return m_converted;
}

SqlStatement Report::InFirmCurrency(SqlStatement sql, const std::vector<QByteArray>& amounts,
                                    const char* dateColumn, const QDate& from, const QDate& to) {
    if (!ConvertsPeriod(from, to))
        return sql;
    // The factor holds only the program's own constants (the changeover day
    // and the fixed rate), so it may stand anywhere in the statement without
    // moving the statement's bound values.
    const QByteArray factor = "(CASE WHEN " + QByteArray(dateColumn) + " < '" +
                              DateToSql(m_currency.changeover).toUtf8() + "' THEN 1 / " +
                              QByteArray::number(kLevaPerEuro, 'f', 5) + " ELSE 1 END)";
    for (const QByteArray& amount : amounts)
        sql.text.replace(amount, "(" + amount + " * " + factor + ")");
    return sql;
}

bool Report::PassesItemFilters(const QString& code, const QString& name, int group) const {
    return m_filter.Passes(group) && m_search.Matches(code, name);
}

double CellNumber(const QString& cell) {
    bool ok = false;
    const double value = cell.trimmed().toDouble(&ok);
    return ok ? value : 0;
}

double Report::ColumnSum(int column) const {
    double sum = 0;
    for (const QStringList& row : m_rows)
        sum += CellNumber(row.value(column));
    return RoundHalfUp(sum, 2);
}

bool Report::ShowColumnSum(int column) {
    const std::vector<int> columns = SumColumns();
    if (std::find(columns.begin(), columns.end(), column) == columns.end())
        return false;
    m_prompter.Message(QString::asprintf("Сумата на артикулите в тази колона е: %.2f", ColumnSum(column)),
                       MessageIcon::Information);
    return true;
}
