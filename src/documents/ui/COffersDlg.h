#pragma once

#include "documents/OffersForm.h"

#include <QWidget>

class CSortListCtrl;
class CTarvoDoc;
class DecimalSpinBox;
class FormHost;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// "TARVO - ОФЕРТИ": an offer to a prospective customer.
class COffersDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    COffersDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    OffersForm& Behaviour() { return m_form; }
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }
    CSortListCtrl* List() const { return m_list; }
    QCheckBox* VatCheck() const { return m_vat; }
    DecimalSpinBox* Discount() const { return m_discount; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    const std::vector<QLineEdit*>& TotalFields() const { return m_totals; }

    // Shows the offer, the given line (-1: the last) selected.
    void Show(int selectLine = -1);
    void New();
    void Load();
    void AddLine();
    void EditLine();
    void DeleteLine();
    void DeleteAll();
    void EditDetails();
    void Print();
    void Save();

private:
    QWidget* BuildHeader();
    QWidget* BuildTotals();
    void ShowTotals();
    void UpdateButtons();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    OffersForm m_form;
    CSortListCtrl* m_list;
    QLineEdit* m_number = nullptr;
    QDateEdit* m_date = nullptr;
    DecimalSpinBox* m_discount = nullptr;
    QCheckBox* m_vat = nullptr;
    std::vector<QLineEdit*> m_totals;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};
