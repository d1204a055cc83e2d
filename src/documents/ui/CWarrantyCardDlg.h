#pragma once

#include "documents/WarrantyCardForm.h"

#include <QWidget>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "TARVO - ГАРАНЦИОННИ КАРТИ": the card's header, its lines and the buttons
// of the card.
class CWarrantyCardDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    CWarrantyCardDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);
    // Leaving the view asks before an unsaved card goes.
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }

    WarrantyCardForm& Behaviour() { return m_form; }
    CSortListCtrl* List() const { return m_list; }
    QPushButton* SplitButton() const { return m_split; }
    QPushButton* MergeButton() const { return m_merge; }
    QLineEdit* BaseDocument() const { return m_base; }
    // Shows the card with the given line selected (the line worked on).
    void Show(int selectRow = 0);

    void NewFromDocument(int baseKind);
    void NewFree();
    void AddLine();
    void EditLine();
    void Split();
    void Merge();
    void DeleteLines();
    void ChooseCustomer();
    void EditDetails();
    void Load();
    void SaveAndPrint();

private:
    QWidget* BuildHeader();
    void UpdateButtons();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    WarrantyCardForm m_form;
    CSortListCtrl* m_list;
    QLineEdit* m_number = nullptr;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_customer = nullptr;
    QLineEdit* m_receivedBy = nullptr;
    QSpinBox* m_term = nullptr;
    QLineEdit* m_base = nullptr;
    QPushButton* m_split = nullptr;
    QPushButton* m_merge = nullptr;
};
