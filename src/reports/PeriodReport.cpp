#include "reports/PeriodReport.h"

#include "base/Clock.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"

#include <QHash>

PeriodReport::PeriodReport(Database& db, Prompter& prompter, const Clock& clock)
    : Report(db, prompter, clock) {
    const QDate today = clock.Now().date();
    m_conditions.from = QDate(today.year(), today.month(), 1);
    m_conditions.to = today;
}

QString PeriodReport::From() const {
    return DateToSql(m_conditions.from);
}

QString PeriodReport::To() const {
    return DateToSql(m_conditions.to);
}

QString MoneyCell(double value) {
    return QString::asprintf("%.2f", RoundHalfUp(value, 2));
}

void PeriodReport::MergeRows(int code, const std::vector<int>& sums, int quantity, int price, int value,
                             const std::vector<int>& dashes, const std::vector<int>& decimals) {
    std::vector<QStringList> merged;
    std::vector<std::vector<double>> totals;
    QHash<QString, size_t> at;
    for (const QStringList& row : Rows()) {
        const QString key = row.value(code);
        auto found = at.find(key);
        if (found == at.end()) {
            found = at.insert(key, merged.size());
            merged.push_back(row);
            totals.emplace_back(sums.size(), 0.0);
        }
        std::vector<double>& sum = totals[*found];
        for (size_t k = 0; k < sums.size(); ++k)
            sum[k] += CellNumber(row.value(sums[k]));
    }
    for (size_t r = 0; r < merged.size(); ++r) {
        QStringList& row = merged[r];
        double q = 0, v = 0;
        for (size_t k = 0; k < sums.size(); ++k) {
            row[sums[k]] = QString::asprintf("%.*f", decimals[k], RoundHalfUp(totals[r][k], decimals[k]));
            if (sums[k] == quantity)
                q = totals[r][k];
            if (sums[k] == value)
                v = totals[r][k];
        }
        if (price >= 0)
            row[price] = q == 0 ? QString("-") : MoneyCell(v / q);
        for (int dash : dashes)
            row[dash] = "-";
    }
    ReplaceRows(std::move(merged));
}
