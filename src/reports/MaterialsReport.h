#pragma once

#include "reports/PeriodReport.h"

// "МАТЕРИАЛИ и КОНСУМАТИВИ": the components consumed in production runs and
// in sold products and services in a period, optionally of one customer's
// sales; or summed per component.
class MaterialsReport : public PeriodReport {
public:
    using PeriodReport::PeriodReport;

    static std::vector<ListColumn> Columns();
    std::vector<int> SumColumns() const override { return {5, 7}; }
    // "К-ВО:" ("%.3f ") and "СТ-СТ:" ("%.2f ").
    QString QuantityText() const { return QString::asprintf("%.3f ", m_quantity); }
    QString CostText() const { return QString::asprintf("%.2f ", m_cost); }
    double Cost() const { return m_cost; }
    std::vector<std::pair<QString, QString>> TotalFields() const override {
        return {{"К-ВО:", QuantityText()}, {"СТ-СТ:", CostText()}};
    }

    SqlStatement Statement() override;

protected:
    bool MayLoad() const override { return m_conditions.products || m_conditions.services; }
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    void ComputeTotals() override;

private:
    double m_quantity = 0;
    double m_cost = 0;
};
