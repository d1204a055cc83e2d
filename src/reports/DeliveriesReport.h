#pragma once

#include "reports/PeriodReport.h"

// "СПРАВКА ДОСТАВКИ": every delivered line of a period with its discount,
// VAT and total, optionally of one supplier; or the lines summed per item.
class DeliveriesReport : public PeriodReport {
public:
    using PeriodReport::PeriodReport;

    static std::vector<ListColumn> Columns();
    // The quantities, as the description has it.
    std::vector<int> SumColumns() const override { return {6}; }
    // "СТ-СТ:", "Т.О.:", "ДДС:" and "ТОТАЛ:" from the rows loaded, "%.2f ".
    std::vector<std::pair<QString, QString>> TotalFields() const override;
    double Value() const { return m_value; }
    double Total() const { return m_value - m_discount + m_vat; }

    SqlStatement Statement() override;

protected:
    std::optional<QStringList> RowOf(const ResultTable& table, int r) override;
    void ComputeTotals() override;

private:
    double m_value = 0;
    double m_discount = 0;
    double m_vat = 0;
};
