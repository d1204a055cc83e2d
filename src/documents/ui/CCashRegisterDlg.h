#pragma once

#include "documents/CashRegisterForm.h"

#include <QWidget>

class CCashFilterDlg;
class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QMenu;
class QPushButton;

// "TARVO - ПРИХОДИ И РАЗХОДИ": the operations of the cash register, their
// summary, the filter dialog beside the form, and the printed list.
class CCashRegisterDlg : public QWidget {
    Q_OBJECT
public:
    CCashRegisterDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    CashRegisterForm& Behaviour() { return m_form; }
    CSortListCtrl* List() const { return m_list; }
    CSortListCtrl* Summary() const { return m_summary; }
    CCashFilterDlg* FilterDialog() const { return m_filter; }
    QMenu* OptionsMenu() const { return m_options; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* PrintButton() const { return m_print; }

    // The list and the summary as the behaviour has them; the row at that
    // position (of the behaviour's rows) selected.
    void Show(int selectRow = -1);
    void ApplyFilter(const CashFilter& filter);
    void Search();
    void Refresh();
    void New();
    void Edit();
    void Delete();
    void Print();

private:
    void BuildOptions(QPushButton* button);
    void UpdateButtons();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    CashRegisterForm m_form;
    CSortListCtrl* m_list;
    CSortListCtrl* m_summary;
    CCashFilterDlg* m_filter = nullptr;
    QMenu* m_options = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_print = nullptr;
};
