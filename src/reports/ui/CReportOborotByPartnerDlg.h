#pragma once

#include "reports/TurnoverByCustomer.h"
#include "reports/ui/CReportForm.h"

class QDateEdit;
class QLineEdit;

// "TARVO - СПРАВКА ЗА СТОКООБОРОТА ПО КЛИЕНТИ И ПЕРИОДИ": the period on the
// form (this month to start); every change of a date, the period button and
// " F5  опресни" reload it. It loads when it opens.
class CReportOborotByPartnerDlg : public CReportForm {
    Q_OBJECT
public:
    CReportOborotByPartnerDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    TurnoverByCustomer& Behaviour() { return m_report; }
    QDateEdit* FromField() const { return m_from; }
    QDateEdit* ToField() const { return m_to; }

protected:
    void ShowTotals() override;
    void Print() override;

private:
    void PeriodChanged();

    TurnoverByCustomer m_report;
    QDateEdit* m_from;
    QDateEdit* m_to;
};
