#pragma once

#include "masterdata/GroupTree.h"
#include "reports/StockQuantitiesReport.h"
#include "reports/ui/CReportForm.h"

class CGroupFilterDlg;
class QLineEdit;
class QMenu;

// "TARVO - НАЛИЧНОСТИ и ВЛОЖЕНИ СРЕДСТВА": the stock report. It opens with the
// group filter window shown and an empty list; the filter's apply, F4 and a
// search load it.
class CReportQuantitiesDlg : public CReportForm {
    Q_OBJECT
public:
    CReportQuantitiesDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    StockQuantitiesReport& Behaviour() { return m_report; }
    CGroupFilterDlg* GroupFilterWindow() const { return m_groupWindow; }
    QMenu* SettingsMenu() const { return m_settingsMenu; }

protected:
    void ShowTotals() override;
    void Print() override;

private:
    void BuildSettingsMenu();

    StockQuantitiesReport m_report;
    CGroupFilterDlg* m_groupWindow;
    QMenu* m_settingsMenu;
};
