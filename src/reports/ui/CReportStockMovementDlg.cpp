#include "reports/ui/CReportStockMovementDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "lists/ui/CSortListCtrl.h"
#include "print/ReportPrints.h"
#include "reports/ui/CMovementFilterDlg.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

CReportStockMovementDlg::CReportStockMovementDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CReportForm(doc, host, m_report, "TARVO - СРАВНИТЕЛНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ И МАТЕРИАЛИ",
                  StockMovementReport::Columns(), "StockMovementReport", parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock(), host.Settings()),
      m_filter(new CMovementFilterDlg(doc, host, m_report, this)) {
    // Its nine printed columns fit a landscape page.
    SetPrintOrientation(1, host.Settings(), &host.Printer());
    connect(m_filter, &CMovementFilterDlg::applied, this, [this] { Reload(); });
    // The list is read when the filter is applied.
    AddFilterWindow(m_filter);
    AddCommonButtons(" Експорт в CSV...");
}

void CReportStockMovementDlg::Print() {
    const LocalSettings& settings = m_host.Settings();
    const std::unique_ptr<ListPrintJob> job = StockMovementPrint(
        RowsInListOrder(), m_report.Chosen().from, m_report.Chosen().to, m_host.Printer().orientation,
        [&settings] { return settings.EconomicPrintMode() != 0; });
    Preview(*job);
}
