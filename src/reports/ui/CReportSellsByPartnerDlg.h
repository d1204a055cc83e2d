#pragma once

#include "reports/SalesReport.h"
#include "reports/ui/CReportForm.h"

class CSalesFilterDlg;
class QLineEdit;

// "TARVO - СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ": opens with its filter shown
// and an empty list; "приложи филтъра", F4 and a search load it.
class CReportSellsByPartnerDlg : public CReportForm {
    Q_OBJECT
public:
    CReportSellsByPartnerDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    SalesReport& Behaviour() { return m_report; }
    CSalesFilterDlg* FilterWindow() const { return m_filter; }

protected:
    void ShowTotals() override;
    void CellActivated(int row, int column) override;
    void Print() override;

private:
    SalesReport m_report;
    CSalesFilterDlg* m_filter;
};
