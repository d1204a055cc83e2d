#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Clock;
class Database;
class LocalSettings;
class Prompter;

// The filters of the report forms, as a script names them.
struct ReportOptions {
    std::optional<QDate> from;
    std::optional<QDate> to;
    std::optional<int> year;
    std::vector<int> groups;      // with their subgroups; none: every group
    std::vector<int> partners;    // none: every partner
    std::optional<bool> invoices; // the sales report's source
    bool summary = false;
    QString search;
    // The stock report's own options; unset: as the form was left.
    std::optional<bool> onlyCritical;
    std::optional<bool> noZero;
    std::optional<bool> noNegative;
};

// A report as its form lists it: the titles of the columns it shows, the
// shown cells of each row in the report's order, and the totals under the
// list as caption, figure, caption, figure ...
struct ReportTable {
    QStringList titles;
    std::vector<QStringList> rows;
    QStringList totals;
    QString note; // the currency note, when leva amounts were given in euro
};

// The names a script gives the reports: stock, sales, turnover-customers, ...
QStringList ReportNames();

// The options ("--from", "--summary" ...) the named report's form has a
// filter for; `repeatsPartner` tells whether --partner may come more than once.
QStringList OptionsOfReport(const QString& name, bool* repeatsPartner = nullptr);

// Reads the named report with the options through the same behaviour as its
// form. `settings` holds the stock report's options afterwards, so give a
// copy that may change. Nothing when the name is unknown or the read failed
// (reported).
std::optional<ReportTable> RunNamedReport(const QString& name, const ReportOptions& options, Database& db,
                                          Prompter& prompter, const Clock& clock, LocalSettings& settings);
