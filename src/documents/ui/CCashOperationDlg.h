#pragma once

#include "documents/CashOperationForm.h"
#include "documents/CashRegisterForm.h"

#include <QDialog>

class CSortListCtrl;
class CTarvoDoc;
class DecimalSpinBox;
class FormHost;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The operation dialog: its fields, the partner choice and the payments;
// "запиши" hands the operation back, "откажи" drops every change.
class CCashOperationDlg : public QDialog {
    Q_OBJECT
public:
    CCashOperationDlg(CTarvoDoc& doc, FormHost& host, const CashOperation& op, QWidget* parent = nullptr);

    CashOperationForm& Behaviour() { return m_form; }
    CashOperation Operation() const { return m_form.Operation(); }
    CSortListCtrl* Payments() const { return m_payments; }
    DecimalSpinBox* Amount() const { return m_amount; }
    QLineEdit* Paid() const { return m_paid; }
    QLineEdit* Remaining() const { return m_remaining; }

    void AddPayment();
    void EditPayment();
    void DeletePayment();
    void DeleteAllPayments();

protected:
    void accept() override;

private:
    void ShowPayments(int selectNumber = -1);
    void Recalculate();
    void UpdateButtons();
    int SelectedPayment() const;

    CTarvoDoc& m_doc;
    FormHost& m_host;
    CashOperationForm m_form;
    std::vector<int> m_order; // the payment shown in each row
    QLineEdit* m_number;
    QDateEdit* m_date;
    QDateEdit* m_payTo;
    DecimalSpinBox* m_amount;
    QLineEdit* m_paid;
    QLineEdit* m_remaining;
    QLineEdit* m_description;
    QRadioButton* m_income;
    QRadioButton* m_expense;
    QLineEdit* m_partner;
    QCheckBox* m_bank;
    QLineEdit* m_basis;
    CSortListCtrl* m_payments;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_deleteAll;
};

class GuiCashOperationEditor : public CashOperationEditor {
public:
    GuiCashOperationEditor(CTarvoDoc& doc, FormHost& host, QWidget* parent)
        : m_doc(doc), m_host(host), m_parent(parent) {}
    bool EditOperation(CashOperation& op) override;

private:
    CTarvoDoc& m_doc;
    FormHost& m_host;
    QWidget* m_parent;
};
