#pragma once

#include "lists/ListColumn.h"
#include "masterdata/GroupTree.h"

#include <QWidget>
#include <vector>

class CGroupFilterDlg;
class QDialog;
class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class ListPrintJob;
class QLabel;
class QHBoxLayout;
class QVBoxLayout;
class QLineEdit;
class QPushButton;
class Report;

// What every report form shares: the list with its column sums on a
// double-click, the read-only total fields with their caption inside, the
// button row, the reload under the wait cursor with "моля, почакайте ..."
// and its duration in the status bar, the search, the refresh, the export
// and print enabled only while the list has rows.
class CReportForm : public QWidget {
    Q_OBJECT
public:
    CReportForm(CTarvoDoc& doc, FormHost& host, Report& report, const QString& title,
                const std::vector<ListColumn>& columns, const QString& listName, QWidget* parent = nullptr);

    CSortListCtrl* List() const { return m_list; }
    void Reload();

protected:
    QLineEdit* AddTotalField(const QString& accessibleName);
    // One field for each of the report's totals, and their texts
    // "caption  figure".
    void AddReportTotals();
    void ShowReportTotals();
    // Widgets over the list (a year field) and under it (a list of sums).
    void AddAboveList(QWidget* widget);
    void AddUnderList(QWidget* widget);
    void AddButton(QPushButton* button, bool stretchBefore = false);
    // The modeless group window over the report's group filter, made with
    // the form and kept until it closes, its apply reloading; and its button
    // " F2  групи ..." in the button row.
    CGroupFilterDlg* AddGroupWindow();
    // A report's modeless filter: its button " F2  филтър" in the button row,
    // and the filter shown with the form.
    void AddFilterWindow(QDialog* filter);
    // A window shown beside the form once the form is on screen.
    void ShowWithForm(QDialog* window) { m_companion = window; }
    // Search, refresh, export, then print and exit at the right.
    void AddCommonButtons(const QString& exportCaption);
    void showEvent(QShowEvent* event) override;
    // The buttons every report has.
    QPushButton* SearchButton();
    QPushButton* RefreshButton();
    QPushButton* ExportButton(const QString& caption);
    QPushButton* PrintButton();
    QPushButton* ExitButton();
    virtual void ShowTotals() = 0;
    // A double-click on a cell; the column sum by default.
    virtual void CellActivated(int row, int column);
    virtual void Print() = 0;
    // The print preview of the report's job: the rows the user selected, and
    // the note when leva amounts were given in euro.
    void Preview(ListPrintJob& job);
    // The rows as the list shows them (its order), for the print.
    std::vector<QStringList> RowsInListOrder() const;

    CTarvoDoc& m_doc;
    FormHost& m_host;

private:
    Report& m_report;
    std::vector<GroupNode> m_groups;
    CSortListCtrl* m_list;
    QHBoxLayout* m_above;
    QLabel* m_currencyNote; // shown while leva amounts are given in euro
    std::vector<QLineEdit*> m_totalFields;
    QVBoxLayout* m_under;
    QHBoxLayout* m_totals;
    QHBoxLayout* m_buttons;
    QPushButton* m_print = nullptr;
    QDialog* m_companion = nullptr;
    bool m_companionShown = false;
};
