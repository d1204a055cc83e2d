#pragma once

#include "reports/PeriodReport.h"

// "ПРОИЗВЕДЕНИ ИЗДЕЛИЯ": the products of each production run in a period,
// or summed per product, optionally only those a producer made.
class ProductionReport : public PeriodReport {
public:
    using PeriodReport::PeriodReport;

    static std::vector<ListColumn> Columns();
    std::vector<int> SumColumns() const override { return {6, 8}; }
    // "КОЛ-ВО:" ("%.3f ") and "СТ-СТ:" ("%.2f ").
    QString QuantityText() const { return QString::asprintf("%.3f ", m_quantity); }
    QString CostText() const { return QString::asprintf("%.2f ", m_cost); }
    double Cost() const { return m_cost; }
    std::vector<std::pair<QString, QString>> TotalFields() const override {
        return {{"КОЛ-ВО:", QuantityText()}, {"СТ-СТ:", CostText()}};
    }
    // The producers of earlier runs, for "само изработените от:".
    QStringList Producers();

    SqlStatement Statement() override;

protected:
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    void ComputeTotals() override;

private:
    double m_quantity = 0;
    double m_cost = 0;
};
