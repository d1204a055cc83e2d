#include "reports/ui/CPeriodReportForm.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "lists/ui/CSortListCtrl.h"
#include "print/ReportPrints.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QLineEdit>

CPeriodReportForm::CPeriodReportForm(CTarvoDoc& doc, FormHost& host, PeriodReport& report,
                                     const QString& title, const std::vector<ListColumn>& columns,
                                     const QString& listName, CPeriodFilterDlg::Kind kind, QWidget* parent)
    : CReportForm(doc, host, report, title, columns, listName, parent), m_periodReport(report), m_kind(kind) {
}

// Called by each form once its report is made: the filter reads its conditions.
void CPeriodReportForm::AddButtons() {
    m_filter = new CPeriodFilterDlg(m_doc, m_host, m_periodReport, m_kind, this);
    connect(m_filter, &CPeriodFilterDlg::applied, this, [this] { Reload(); });
    AddFilterWindow(m_filter);
    AddCommonButtons(" Експорт в CSV...");
}

PrinterSettings::Orientation CPeriodReportForm::Orientation() const {
    return m_host.Printer().orientation;
}

std::function<bool()> CPeriodReportForm::EconomyMode() const {
    const LocalSettings& settings = m_host.Settings();
    return [&settings] { return settings.EconomicPrintMode() != 0; };
}

CReportDeliveriesDlg::CReportDeliveriesDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CPeriodReportForm(doc, host, m_report, "TARVO - СПРАВКА ДОСТАВКИ", DeliveriesReport::Columns(),
                        "DeliveriesReport", CPeriodFilterDlg::Kind::Deliveries, parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock()) {
    SetPrintOrientation(1, host.Settings(), &host.Printer());
    AddReportTotals();
    AddButtons();
    ShowTotals();
}

void CReportDeliveriesDlg::ShowTotals() {
    ShowReportTotals();
}

void CReportDeliveriesDlg::Print() {
    const auto job = DeliveriesReportPrint(RowsInListOrder(), m_report.Chosen().from, m_report.Chosen().to,
                                           m_report.Value(), m_report.Total(), Orientation(), EconomyMode());
    Preview(*job);
}

CReportProductionDlg::CReportProductionDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CPeriodReportForm(doc, host, m_report, "TARVO - ПРОИЗВЕДЕНИ ИЗДЕЛИЯ", ProductionReport::Columns(),
                        "ProductionReport", CPeriodFilterDlg::Kind::Production, parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock()) {
    AddReportTotals();
    SetPrintOrientation(1, host.Settings(), &host.Printer());
    AddButtons();
    ShowTotals();
}

void CReportProductionDlg::ShowTotals() {
    ShowReportTotals();
}

void CReportProductionDlg::Print() {
    const auto job = ProducedItemsPrint(RowsInListOrder(), m_report.Chosen().from, m_report.Chosen().to,
                                        Orientation(), EconomyMode());
    Preview(*job);
}

CReportConsumatives::CReportConsumatives(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CPeriodReportForm(doc, host, m_report, "TARVO - СПРАВКА МАТЕРИАЛИ и КОНСУМАТИВИ",
                        MaterialsReport::Columns(), "MaterialsReport", CPeriodFilterDlg::Kind::Materials,
                        parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock()) {
    AddReportTotals();
    AddButtons();
    ShowTotals();
}

void CReportConsumatives::ShowTotals() {
    ShowReportTotals();
}

void CReportConsumatives::Print() {
    const auto job =
        MaterialsReportPrint(RowsInListOrder(), m_report.Chosen().from, m_report.Chosen().to, m_report.Cost(),
                             m_report.AmountsCurrency(m_report.Chosen().to), Orientation(), EconomyMode());
    Preview(*job);
}
