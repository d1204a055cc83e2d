#include "reports/ui/CReportOborotByPartnerDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/FormButton.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "lists/ui/CSortListCtrl.h"
#include "print/ReportPrints.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

CReportOborotByPartnerDlg::CReportOborotByPartnerDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CReportForm(doc, host, m_report, "TARVO - СПРАВКА ЗА СТОКООБОРОТА ПО КЛИЕНТИ И ПЕРИОДИ",
                  TurnoverByCustomer::Columns(), "TurnoverByCustomer", parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock()), m_from(MakeDateField(this, "от")),
      m_to(MakeDateField(this, "до")) {
    m_from->setDate(m_report.From());
    m_to->setDate(m_report.To());
    connect(m_from, &QDateEdit::dateChanged, this, &CReportOborotByPartnerDlg::PeriodChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &CReportOborotByPartnerDlg::PeriodChanged);
    auto* periods = new CDatePeriodsBtn(m_from, m_to, host.Settings(), host.GetClock(), this);
    connect(periods, &CDatePeriodsBtn::reloadRequested, this, &CReportOborotByPartnerDlg::PeriodChanged);
    AddAboveList(new QLabel("от:", this));
    AddAboveList(m_from);
    AddAboveList(new QLabel("до:", this));
    AddAboveList(m_to);
    AddAboveList(periods);
    AddReportTotals();
    AddButton(
        MakeFormButton(this, " F5  опресни", Qt::Key_F5, "Опресняване на данните ...", [this] { Reload(); }));
    AddButton(ExportButton("Експорт в CSV"));
    AddButton(PrintButton(), true);
    AddButton(ExitButton());
    Reload();
}

void CReportOborotByPartnerDlg::PeriodChanged() {
    m_report.SetPeriod(m_from->date(), m_to->date());
    Reload();
}

void CReportOborotByPartnerDlg::ShowTotals() {
    ShowReportTotals();
}

void CReportOborotByPartnerDlg::Print() {
    std::vector<QStringList> rows;
    for (const QStringList& row : RowsInListOrder())
        rows.push_back(row.mid(1));
    const LocalSettings& settings = m_host.Settings();
    const std::unique_ptr<ListPrintJob> job = TurnoverByCustomerPrint(
        rows, m_report.From(), m_report.To(), m_report.NetText(), m_report.GrossText(),
        m_report.AmountsCurrency(m_report.To()), m_host.Printer().orientation,
        [&settings] { return settings.EconomicPrintMode() != 0; });
    Preview(*job);
}
