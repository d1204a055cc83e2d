#pragma once

#include "documents/CashOperationForm.h"

#include <QDialog>

class DecimalSpinBox;
class QDateEdit;

// "ново плащане / редакция": the date and amount of a payment, with
// "Плащане 100%" filling what remains.
class CCashPaymentDlg : public QDialog {
    Q_OBJECT
public:
    CCashPaymentDlg(const CashPaymentEditor::Request& request, std::function<bool(double)> accept,
                    QWidget* parent = nullptr);
    CashPayment Payment() const;
    // "Плащане 100%": the remaining plus the payment's previous amount.
    void PayAll();
    DecimalSpinBox* Amount() const { return m_amount; }

protected:
    void accept() override;

private:
    CashPaymentEditor::Request m_request;
    std::function<bool(double)> m_accept;
    QDateEdit* m_date;
    DecimalSpinBox* m_amount;
};

class GuiCashPaymentEditor : public CashPaymentEditor {
public:
    explicit GuiCashPaymentEditor(QWidget* parent) : m_parent(parent) {}
    std::optional<CashPayment> EditPayment(const Request& request,
                                           const std::function<bool(double)>& accept) override;

private:
    QWidget* m_parent;
};
