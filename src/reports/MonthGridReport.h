#pragma once

#include "lists/ListColumn.h"
#include "reports/Report.h"

#include <QHash>
#include <array>
#include <functional>

class ListPreferences;

// What the reports by months of one year share: the year, a row per
// customer or item with its twelve months and "общо", the one-row list of
// month sums under them and "ВСИЧКО:". The figures of a whole year are read
// with one grouped statement and filled in here, not one statement a cell.
class MonthGridReport : public Report {
public:
    MonthGridReport(Database& db, Prompter& prompter, const Clock& clock, ListPreferences& settings);

    int Year() const { return m_year; }
    void SetYear(int year) { m_year = year; }
    std::vector<int> SumColumns() const override { return {}; }
    // The column of January; the months and "общо" follow it.
    virtual int FirstMonthColumn() const = 0;
    // The twelve month sums and the year's sum, "%.2f".
    const QStringList& BottomRow() const { return m_bottom; }
    // "ВСИЧКО:": the year's sum and " BGL ".
    QString YearTotalText() const;
    // The month sums under their titles, "общо", and "ВСИЧКО:" with the year's total.
    std::vector<std::pair<QString, QString>> TotalFields() const override;

    static QStringList MonthTitles();

protected:
    // Each goods-note line of the year in stored order: its item, month, net
    // value (less the document's discount) and quantity. False when the read
    // failed.
    bool ForEachLineOfTheYear(const std::function<void(const QString&, size_t, double, double)>& line);
    // The month of a stored date, 0 to 11; -1 for a text that is not one.
    static int MonthOf(const QString& sqlDate);
    // The twelve cells ("-" for 0, else "%.2f") and "общо" of a row.
    static QStringList MonthCells(const std::array<double, 12>& months);
    void ComputeTotals() override;

    ListPreferences& m_settings;

private:
    int m_year;
    QStringList m_bottom;
    double m_yearTotal = 0;
};

// Turnover by months and customers: the net sums of each customer's goods
// notes by month.
class TurnoverByMonthsAndCustomers : public MonthGridReport {
public:
    using MonthGridReport::MonthGridReport;
    static std::vector<ListColumn> Columns();
    int FirstMonthColumn() const override { return 2; }
    SqlStatement Statement() override;

protected:
    bool BeforeRows() override;
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    // The net sums of a customer's months.
    std::array<double, 12> NetOf(int partnerId) const;

private:
    // Cents by customer and month: the stored amounts have two decimals, so
    // whole cents add up exactly whatever the order.
    QHash<int, std::array<long long, 12>> m_cents;
};

// Turnover by months and items: the net values of each item's goods-note
// lines by month, with the group filter and the hidden-item rule.
class TurnoverByMonthsAndItems : public MonthGridReport {
public:
    using MonthGridReport::MonthGridReport;
    static std::vector<ListColumn> Columns();
    int FirstMonthColumn() const override { return 3; }
    SqlStatement Statement() override;

protected:
    bool BeforeRows() override;
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;

private:
    QHash<QString, std::array<double, 12>> m_values;
};
