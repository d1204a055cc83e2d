#include "reports/ui/CMonthGridForm.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "print/ReportPrints.h"
#include "reports/ProfitReports.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

CMonthGridForm::CMonthGridForm(CTarvoDoc& doc, FormHost& host, std::unique_ptr<MonthGridReport> report,
                               const std::vector<ListColumn>& columns, Texts texts, bool withGroups,
                               QWidget* parent)
    : CReportForm(doc, host, *report, texts.windowTitle, columns, texts.listName, parent),
      m_report(std::move(report)), m_texts(std::move(texts)), m_year(new QSpinBox(this)),
      m_sums(new QTableWidget(1, 13, this)) {
    SetPrintOrientation(1, host.Settings(), &host.Printer());
    // Any year of this century; the clock gives the current one.
    m_year->setRange(2000, 2099);
    m_year->setValue(m_report->Year());
    m_year->setAccessibleName("ГОДИНА:");
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        m_report->SetYear(year);
        Reload();
    });
    AddAboveList(new QLabel("ГОДИНА:", this));
    AddAboveList(m_year);

    QStringList titles = MonthGridReport::MonthTitles();
    titles << "общо";
    m_sums->setHorizontalHeaderLabels(titles);
    m_sums->verticalHeader()->hide();
    m_sums->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_sums->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sums->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sums->setFocusPolicy(Qt::NoFocus);
    m_sums->setAccessibleName("суми по месеци");
    m_sums->setFixedHeight(m_sums->horizontalHeader()->sizeHint().height() + m_sums->rowHeight(0) + 4);
    AddUnderList(m_sums);
    m_total = AddTotalField("ВСИЧКО:");

    if (withGroups)
        m_groupWindow = AddGroupWindow();
    AddCommonButtons("Експорт в CSV");
    Reload();
}

void CMonthGridForm::ShowTotals() {
    const QStringList& bottom = m_report->BottomRow();
    for (int k = 0; k < bottom.size(); ++k) {
        auto* cell = new QTableWidgetItem(bottom[k]);
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_sums->setItem(0, k, cell);
    }
    const std::pair<QString, QString> year = m_report->TotalFields().back();
    m_total->setText(year.first + "  " + year.second);
}

void CMonthGridForm::Print() {
    const int first = m_report->FirstMonthColumn();
    std::vector<QStringList> rows;
    for (const QStringList& row : RowsInListOrder())
        rows.push_back(QStringList{row.value(1)} + row.mid(first, 13));
    const LocalSettings& settings = m_host.Settings();
    const std::unique_ptr<ListPrintJob> job = MonthGridPrint(
        m_texts.printTitle, m_texts.firstPrintColumn, m_report->Year(), rows, m_report->BottomRow(),
        m_host.Printer().orientation, [&settings] { return settings.EconomicPrintMode() != 0; });
    Preview(*job);
}

QWidget* MakeTurnoverByMonthsAndCustomers(CTarvoDoc& doc, FormHost& host) {
    return new CMonthGridForm(
        doc, host,
        std::make_unique<TurnoverByMonthsAndCustomers>(doc.Db(), host.GetPrompter(), host.GetClock(),
                                                       host.Settings()),
        TurnoverByMonthsAndCustomers::Columns(),
        {"TARVO - СПРАВКА ЗА СТОКООБОРОТА ПО МЕСЕЦИ И КЛИЕНТИ", "СПРАВКА ЗА СТОКООБОРОТА ПО МЕСЕЦИ И КЛИЕНТИ",
         "контрагент", "TurnoverByMonthsAndCustomers"},
        false);
}

QWidget* MakeTurnoverByMonthsAndItems(CTarvoDoc& doc, FormHost& host) {
    return new CMonthGridForm(doc, host,
                              std::make_unique<TurnoverByMonthsAndItems>(doc.Db(), host.GetPrompter(),
                                                                         host.GetClock(), host.Settings()),
                              TurnoverByMonthsAndItems::Columns(),
                              {"TARVO - СПРАВКА ЗА СТОКООБОРОТА ПО МЕСЕЦИ И АРТИКУЛИ",
                               "СПРАВКА ЗА СТОКООБОРОТА ПО МЕСЕЦИ И АРТИКУЛИ", "стока / изделие / услуга",
                               "TurnoverByMonthsAndItems"},
                              true);
}

QWidget* MakeProfitByCustomers(CTarvoDoc& doc, FormHost& host) {
    return new CMonthGridForm(
        doc, host,
        std::make_unique<ProfitByCustomers>(doc.Db(), host.GetPrompter(), host.GetClock(), host.Settings()),
        TurnoverByMonthsAndCustomers::Columns(),
        {"TARVO - СПРАВКА ЗА ПЕЧАЛБАТА ПО МЕСЕЦИ И КЛИЕНТИ", "СПРАВКА ЗА ПЕЧАЛБАТА ПО МЕСЕЦИ И КЛИЕНТИ",
         "контрагент", "ProfitByCustomers"},
        false);
}

QWidget* MakeProfitByItems(CTarvoDoc& doc, FormHost& host) {
    return new CMonthGridForm(
        doc, host,
        std::make_unique<ProfitByItems>(doc.Db(), host.GetPrompter(), host.GetClock(), host.Settings()),
        ProfitByItems::Columns(),
        {"TARVO - СПРАВКА ЗА ПЕЧАЛБАТА ПО МЕСЕЦИ И АРТИКУЛИ", "СПРАВКА ЗА ПЕЧАЛБАТА ПО МЕСЕЦИ И АРТИКУЛИ",
         "стока / изделие / услуга", "ProfitByItems"},
        true);
}
