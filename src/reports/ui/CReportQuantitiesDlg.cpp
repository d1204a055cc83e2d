#include "reports/ui/CReportQuantitiesDlg.h"

#include "base/Clock.h"
#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/MenuMnemonics.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "print/ReportPrints.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

CReportQuantitiesDlg::CReportQuantitiesDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : CReportForm(doc, host, m_report, "TARVO - НАЛИЧНОСТИ и ВЛОЖЕНИ СРЕДСТВА",
                  StockQuantitiesReport::Columns(), "StockReport", parent),
      m_report(doc.Db(), host.GetPrompter(), host.GetClock(), host.Settings()) {
    // Its nine columns fit a landscape page.
    SetPrintOrientation(1, host.Settings(), &host.Printer());
    AddReportTotals();
    BuildSettingsMenu();

    m_groupWindow = AddGroupWindow();
    ShowWithForm(m_groupWindow);
    AddButton(SearchButton());
    AddButton(RefreshButton());
    AddButton(ExportButton("експорт в CSV"));
    QPushButton* options = MakeFormButton(this, " настройки ...", QKeySequence(),
                                          "Условия за показване на артикулите ...", [] {});
    options->setMenu(m_settingsMenu);
    AddButton(options);
    AddButton(PrintButton(), true);
    AddButton(ExitButton());
    ShowTotals();
}

// Each item flips its option; the report is not reloaded by the toggle.
void CReportQuantitiesDlg::BuildSettingsMenu() {
    m_settingsMenu = new QMenu(this);
    LocalSettings& settings = m_host.Settings();
    struct Entry {
        const char* text;
        std::function<bool()> isOn;
        std::function<void()> toggle;
    };
    const Entry entries[] = {{"Показвай само артикулите с наличност под критичния минимум",
                              [&settings] { return settings.RptQttysShowOnlyCritical() != 0; },
                              [this] { m_report.ToggleOnlyCritical(); }},
                             {"Не показвай артикулите, които нямат наличност",
                              [&settings] { return settings.RptQttysDoNotShowZeroVals() != 0; },
                              [this] { m_report.ToggleHideZero(); }},
                             {"Не показвай артикулите, които имат отрицателна наличност",
                              [&settings] { return settings.RptQttysDoNotShowNegativeVals() != 0; },
                              [this] { m_report.ToggleHideNegative(); }}};
    for (const Entry& entry : entries) {
        QAction* action = m_settingsMenu->addAction(entry.text);
        action->setCheckable(true);
        action->setChecked(entry.isOn());
        connect(action, &QAction::triggered, this, [toggle = entry.toggle] { toggle(); });
    }
    GiveMnemonics(m_settingsMenu);
}

void CReportQuantitiesDlg::ShowTotals() {
    ShowReportTotals();
}

void CReportQuantitiesDlg::Print() {
    const LocalSettings& settings = m_host.Settings();
    const std::unique_ptr<ListPrintJob> job =
        StockReportPrint(RowsInListOrder(), m_report.TotalValue(), m_report.ColumnSum(7),
                         m_report.ColumnSum(8), m_host.GetClock().Now().date(), m_host.Printer().orientation,
                         [&settings] { return settings.EconomicPrintMode() != 0; });
    Preview(*job);
}
