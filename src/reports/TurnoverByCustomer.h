#pragma once

#include "lists/ListColumn.h"
#include "reports/Report.h"

#include <QDate>

// Turnover by customer and period: the net and gross sums of each customer's
// goods notes between two dates.
class TurnoverByCustomer : public Report {
public:
    TurnoverByCustomer(Database& db, Prompter& prompter, const Clock& clock);

    static std::vector<ListColumn> Columns();
    std::vector<int> SumColumns() const override { return {2, 3}; }
    // The period, both ends included; it starts as the current month.
    void SetPeriod(const QDate& from, const QDate& to);
    QDate From() const { return m_from; }
    QDate To() const { return m_to; }
    // "ОБЩО НЕТО:" and "СУМА С ДДС:" figures, "%.2f".
    QString NetText() const { return QString::asprintf("%.2f", m_net); }
    QString GrossText() const { return QString::asprintf("%.2f", m_gross); }
    std::vector<std::pair<QString, QString>> TotalFields() const override {
        return {{"ОБЩО НЕТО:", NetText()}, {"СУМА С ДДС:", GrossText()}};
    }

    SqlStatement Statement() override;

protected:
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    void ComputeTotals() override;

private:
    QDate m_from;
    QDate m_to;
    double m_net = 0;
    double m_gross = 0;
};
