#pragma once

#include "reports/StockMovementReport.h"
#include "reports/ui/CReportForm.h"

class CMovementFilterDlg;

// "TARVO - СРАВНИТЕЛНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ И МАТЕРИАЛИ": the
// stock movement report with its filter dialog beside it.
class CReportStockMovementDlg : public CReportForm {
    Q_OBJECT
public:
    CReportStockMovementDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    StockMovementReport& Behaviour() { return m_report; }
    CMovementFilterDlg* FilterDialog() const { return m_filter; }

protected:
    void ShowTotals() override {}
    void Print() override;

private:
    StockMovementReport m_report;
    CMovementFilterDlg* m_filter;
};
