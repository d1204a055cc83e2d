#include "reports/ui/CReportSellsByPartnerDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "lists/ui/CSortListCtrl.h"
#include "print/ReportPrints.h"
#include "reports/ui/CSalesFilterDlg.h"
#include "sales/ui/SaleDocumentPreview.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QLineEdit>

CReportSellsByPartnerDlg::CReportSellsByPartnerDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CReportForm(doc, host, m_report, "TARVO - СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ", SalesReport::Columns(),
                  "SalesReport", parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock()) {
    SetPrintOrientation(1, host.Settings(), &host.Printer());
    AddReportTotals();
    m_filter = new CSalesFilterDlg(doc, host, m_report, this);
    connect(m_filter, &CSalesFilterDlg::applied, this, [this] {
        Reload();
        m_host.SetFormTitle(m_report.WindowTitle());
    });
    AddFilterWindow(m_filter);
    AddCommonButtons(" Експорт в CSV...");
    ShowTotals();
}

// Column 1 previews the row's document, column 14 the invoice made from its
// goods note; 6, 8 and 12 show their sums.
void CReportSellsByPartnerDlg::CellActivated(int row, int column) {
    const int source = List()->Model().SourceIndex(row);
    const SalesReport::Click click = m_report.ClickAt(source, column);
    switch (click.action) {
    case SalesReport::Click::Action::ColumnSum:
        m_report.ShowColumnSum(column);
        break;
    case SalesReport::Click::Action::PreviewGoodsNote:
        PreviewStoredSaleDocument(m_doc, m_host, DocumentKind::GoodsNotes, click.number);
        break;
    case SalesReport::Click::Action::PreviewInvoice:
        // An invoice, or a debit or credit note of the same numbering.
        for (DocumentKind kind : {DocumentKind::Invoices, DocumentKind::DebitNotes, DocumentKind::CreditNotes})
            if (PreviewStoredSaleDocument(m_doc, m_host, kind, click.number))
                break;
        break;
    case SalesReport::Click::Action::None:
        break;
    }
}

void CReportSellsByPartnerDlg::ShowTotals() {
    for (int k = 0; k < 16; ++k)
        List()->ShowColumn(k, m_report.ColumnWidth(k));
    ShowReportTotals();
}

void CReportSellsByPartnerDlg::Print() {
    const LocalSettings& settings = m_host.Settings();
    const SalesFilter& f = m_report.Conditions();
    const std::unique_ptr<ListPrintJob> job =
        SalesReportPrint(RowsInListOrder(), f.invoices, f.from, f.to, m_report.ValueText(),
                         m_report.VatText(), m_report.TotalText(), m_host.Printer().orientation,
                         [&settings] { return settings.EconomicPrintMode() != 0; });
    Preview(*job);
}
