#pragma once

#include "stockops/StocktakingForm.h"

#include <QWidget>
#include <vector>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QCheckBox;
class QDateEdit;
class QLineEdit;

// "TARVO - РЕВИЗИЯ": the warehouse counted against the stock.
class CStocktakingDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    CStocktakingDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    StocktakingForm& Behaviour() { return m_form; }
    CSortListCtrl* List() const { return m_list; }
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }

private:
    QWidget* BuildHeader();
    // Lists the lines the filter and search let through, keeping the line
    // of the document given selected.
    void Show(int selectLine = -1);
    int SelectedLine() const;
    void NewDocument();
    void Activate(int column);
    void ChooseGroups();
    void Search();
    void Print();
    void Save();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    StocktakingForm m_form;
    CSortListCtrl* m_list;
    QLineEdit* m_number;
    QDateEdit* m_date;
    QCheckBox* m_allowEditing;
    std::vector<int> m_shown;
};
