#pragma once

#include "masterdata/GroupTree.h"
#include "reports/MonthGridReport.h"
#include "reports/ui/CReportForm.h"

#include <memory>

class CGroupFilterDlg;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// A report by months of one year: "ГОДИНА:" (every step reloads), the list,
// the one-row list of month sums under it and "ВСИЧКО:"; with items, the
// group window behind " F2  групи ...". The form loads when it opens.
class CMonthGridForm : public CReportForm {
    Q_OBJECT
public:
    struct Texts {
        QString windowTitle;
        QString printTitle;
        QString firstPrintColumn;
        QString listName;
    };
    CMonthGridForm(CTarvoDoc& doc, FormHost& host, std::unique_ptr<MonthGridReport> report,
                   const std::vector<ListColumn>& columns, Texts texts, bool withGroups,
                   QWidget* parent = nullptr);

    MonthGridReport& Behaviour() { return *m_report; }
    QSpinBox* YearField() const { return m_year; }
    QTableWidget* MonthSums() const { return m_sums; }

protected:
    void ShowTotals() override;
    void Print() override;

private:
    std::unique_ptr<MonthGridReport> m_report;
    Texts m_texts;
    CGroupFilterDlg* m_groupWindow = nullptr;
    QSpinBox* m_year;
    QTableWidget* m_sums;
    QLineEdit* m_total;
};

QWidget* MakeTurnoverByMonthsAndCustomers(CTarvoDoc& doc, FormHost& host);
QWidget* MakeTurnoverByMonthsAndItems(CTarvoDoc& doc, FormHost& host);
QWidget* MakeProfitByCustomers(CTarvoDoc& doc, FormHost& host);
QWidget* MakeProfitByItems(CTarvoDoc& doc, FormHost& host);
