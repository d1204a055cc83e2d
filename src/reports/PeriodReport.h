#pragma once

#include "lists/ListColumn.h"
#include "reports/Report.h"

#include <QDate>

// What the delivery, production and materials reports share: a period, the
// detailed or summary form, a partner or producer narrowing the rows, the
// kinds of "компоненти на:", and the merging of detailed rows per code.
class PeriodReport : public Report {
public:
    struct Conditions {
        QDate from;
        QDate to;
        bool summary = false; // "обобщена"
        int partnerId = 0;    // a supplier (deliveries) or customer (materials); 0 for all
        QString partnerName;
        QString producer; // production: "само изработените от:"; empty for all
        bool products = true;
        bool services = true;
    };

    PeriodReport(Database& db, Prompter& prompter, const Clock& clock);

    const Conditions& Chosen() const { return m_conditions; }
    void SetConditions(const Conditions& conditions) { m_conditions = conditions; }

protected:
    // The period's ends as stored dates.
    QString From() const;
    QString To() const;
    // The rows merged per code (column `code`): the columns in `sums` added,
    // `price` = sums[value] ÷ quantity ("-" at 0), the columns in `dashes`
    // "-"; in the order of the first row of each code.
    void MergeRows(int code, const std::vector<int>& sums, int quantity, int price, int value,
                   const std::vector<int>& dashes, const std::vector<int>& decimals);

    Conditions m_conditions;
};

// A money cell "%.2f" of a figure, as the reports write them.
QString MoneyCell(double value);
