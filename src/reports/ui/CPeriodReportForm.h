#pragma once

#include "reports/DeliveriesReport.h"
#include "reports/MaterialsReport.h"
#include "reports/ProductionReport.h"
#include "reports/ui/CPeriodFilterDlg.h"
#include "reports/ui/CReportForm.h"
#include "settings/PrinterSettings.h"

class QLineEdit;

// A report of a period with its filter dialog beside it, opened with the
// form; the list is read when the filter is applied.
class CPeriodReportForm : public CReportForm {
    Q_OBJECT
public:
    CPeriodFilterDlg* FilterDialog() const { return m_filter; }

protected:
    CPeriodReportForm(CTarvoDoc& doc, FormHost& host, PeriodReport& report, const QString& title,
                      const std::vector<ListColumn>& columns, const QString& listName,
                      CPeriodFilterDlg::Kind kind, QWidget* parent);
    // The filter and the buttons, after the form's total fields.
    void AddButtons();
    PrinterSettings::Orientation Orientation() const;
    std::function<bool()> EconomyMode() const;

    PeriodReport& m_periodReport;

private:
    CPeriodFilterDlg::Kind m_kind;
    CPeriodFilterDlg* m_filter = nullptr;
};

// "TARVO - СПРАВКА ДОСТАВКИ"
class CReportDeliveriesDlg : public CPeriodReportForm {
    Q_OBJECT
public:
    CReportDeliveriesDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);
    DeliveriesReport& Behaviour() { return m_report; }

protected:
    void ShowTotals() override;
    void Print() override;

private:
    DeliveriesReport m_report;
};

// "TARVO - ПРОИЗВЕДЕНИ ИЗДЕЛИЯ"
class CReportProductionDlg : public CPeriodReportForm {
    Q_OBJECT
public:
    CReportProductionDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);
    ProductionReport& Behaviour() { return m_report; }

protected:
    void ShowTotals() override;
    void Print() override;

private:
    ProductionReport m_report;
};

// "TARVO - СПРАВКА МАТЕРИАЛИ и КОНСУМАТИВИ"
class CReportConsumatives : public CPeriodReportForm {
    Q_OBJECT
public:
    CReportConsumatives(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);
    MaterialsReport& Behaviour() { return m_report; }

protected:
    void ShowTotals() override;
    void Print() override;

private:
    MaterialsReport m_report;
};
