#pragma once

#include "sales/SaleDetails.h"

#include <QDialog>

class DecimalSpinBox;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTreeWidget;

// "допълнителни данни": the details of a sale. OK hands them to the form,
// which checks them; the dialog closes only when it agrees.
class CSellDetailsDlg : public QDialog {
    Q_OBJECT
public:
    CSellDetailsDlg(const SaleDetails& details, const SaleDetailsChoices& choices,
                    SaleDetailsDialog::Accept accept, SaleDetails::Field focus, QWidget* parent = nullptr);

    SaleDetails Details() const;
    // The widget of a field a refusal names.
    QWidget* FieldWidget(SaleDetails::Field field) const;

protected:
    void accept() override;

private:
    SaleDetailsDialog::Accept m_accept;
    SaleDetails m_details;
    QLineEdit* m_place;
    QLineEdit* m_object;
    QLineEdit* m_osnovanie;
    QComboBox* m_givenBy;
    QLineEdit* m_receivedBy;
    QComboBox* m_compiledBy;
    QComboBox* m_transportedBy;
    QDateEdit* m_recvDate;
    QDateEdit* m_payDate;
    QDateEdit* m_taxEventDate;
    QComboBox* m_payBy;
    QTreeWidget* m_accounts;
    QCheckBox* m_vatRegistered;
    DecimalSpinBox* m_vatRate;
    QComboBox* m_osnovanieVat;
    QLineEdit* m_newVehicle;
};

class GuiSaleDetailsDialog : public SaleDetailsDialog {
public:
    explicit GuiSaleDetailsDialog(QWidget* parent) : m_parent(parent) {}
    bool EditDetails(SaleDetails& details, const SaleDetailsChoices& choices, const Accept& accept,
                     SaleDetails::Field focus) override;

private:
    QWidget* m_parent;
};
