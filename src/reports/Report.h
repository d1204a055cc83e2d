#pragma once

#include "base/OperationTimer.h"
#include "masterdata/FirmCurrency.h"
#include "db/SqlStatement.h"
#include "lists/SearchText.h"
#include "masterdata/GroupTree.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Clock;
class Database;
class Prompter;
class ResultTable;

// What every report shares: the reload cycle (timer, `report_optimizer`, the
// report's statement, the read with its retry and error report, the rows
// with progress and the item filters, the totals, the duration), and the
// column sums. A report gives its statement, its rows and its totals.
class Report {
public:
    Report(Database& db, Prompter& prompter, const Clock& clock);
    virtual ~Report() = default;
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Reads the rows anew; `progress` hears (done, total). False when the
    // read failed (reported; the list is then empty). With `report_optimizer`
    // set, the read and the writes it causes share one write transaction,
    // which always ends with the reload.
    bool Reload(const std::function<void(int, int)>& progress = {});
    const std::vector<QStringList>& Rows() const { return m_rows; }
    // "%.2f сек." of the last reload, for the status bar.
    QString DurationText() const { return m_timer.StatusText(); }

    SearchText& Search() { return m_search; }
    GroupFilter& Filter() { return m_filter; }

    // The columns whose sum a double-click shows.
    virtual std::vector<int> SumColumns() const = 0;
    // The sum of a column over all rows, each cell read as a number ("-"
    // is 0), rounded to 2.
    double ColumnSum(int column) const;
    // "Сумата на артикулите в тази колона е: %.2f" for a sum column; false
    // (nothing shown) for the others.
    bool ShowColumnSum(int column);

    // The totals shown under the list, each as its caption and figure.
    virtual std::vector<std::pair<QString, QString>> TotalFields() const { return {}; }

    // The firm's currency as the last reload read it, and the note for the
    // title line when that reload gave leva amounts in euro (else empty).
    const FirmCurrency& Currencies() const { return m_currency; }
    QString CurrencyNote() const { return m_converted ? QString(kConvertedSumsNote) : QString(); }
    // The currency the last reload's amounts are in, for a period ending on `to`.
    Currency AmountsCurrency(const QDate& to) const {
        return m_converted ? Currency::EUR : m_currency.On(to);
    }

protected:
    virtual SqlStatement Statement() = 0;
    // The cells of result row r, or nothing to leave it out.
    virtual std::optional<QStringList> RowOf(const ResultTable& table, int r) = 0;
    // Reads what the rows need besides their own statement (a report's
    // grouped figures), inside the reload's transaction; false stops the
    // reload (the failure is reported).
    virtual bool BeforeRows() { return true; }
    virtual void ComputeTotals() {}
    // False when the conditions let nothing through: the reload then reads
    // nothing and shows zeros.
    virtual bool MayLoad() const { return true; }
    // The rows a report builds after reading (merged entries), in their order.
    void ReplaceRows(std::vector<QStringList> rows) { m_rows = std::move(rows); }
    // A piece of statement with its values (see SqlCompose).
    template <typename... Args> static SqlStatement Sql(const char* format, const Args&... args) {
        return SqlCompose(format, {SqlArg(args)...});
    }
    // True when the period from `from` to `to` crosses the changeover to
    // euro: the reload then gives every amount in euro and says so.
    bool ConvertsPeriod(const QDate& from, const QDate& to);
    // The statement with each of `amounts` (expressions as it writes them)
    // multiplied by the factor that brings an amount of a document dated
    // `dateColumn` before the changeover into euro, when the period crosses
    // it; else the statement as it stands.
    SqlStatement InFirmCurrency(SqlStatement sql, const std::vector<QByteArray>& amounts, const char* dateColumn,
                              const QDate& from, const QDate& to);
    // An item row passes the search text (code and name) and the group filter.
    bool PassesItemFilters(const QString& code, const QString& name, int group) const;

    Database& m_db;
    Prompter& m_prompter;

private:
    bool Read(const std::function<void(int, int)>& progress);

    OperationTimer m_timer;
    FirmCurrency m_currency;
    bool m_converted = false;
    std::vector<QStringList> m_rows;
    SearchText m_search;
    GroupFilter m_filter;
};

// A cell of a list read as a number: "-" and text are 0.
double CellNumber(const QString& cell);
