#pragma once

#include "masterdata/PartnersForm.h"

#include <QDialog>

class Prompter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "създаване / редактиране на контрагент": every field of a partner.
class CPartnerDlg : public QDialog {
    Q_OBJECT
public:
    // OK hands the record to save and closes only when it succeeds.
    CPartnerDlg(const Partner& record, Prompter& prompter, PartnerEditor::Save save,
                      QWidget* parent = nullptr);

    // The record with the fields as the user left them.
    Partner Record() const;
    // The record as saved, after OK.
    const Partner& Saved() const { return m_saved; }

protected:
    void accept() override;

private:
    void UpdateOk();
    void ChooseDefaultPrice(int value);

    Partner m_record;
    Partner m_saved;
    Prompter& m_prompter;
    PartnerEditor::Save m_save;
    int m_defaultPrice;
    QCheckBox* m_customer;
    QCheckBox* m_supplier;
    QLineEdit* m_name;
    QLineEdit* m_nameLat;
    QLineEdit* m_city;
    QLineEdit* m_cityLat;
    QLineEdit* m_address;
    QLineEdit* m_addressLat;
    QLineEdit* m_taxId;
    QLineEdit* m_bulstat;
    QLineEdit* m_mol;
    QLineEdit* m_molLat;
    QCheckBox* m_vatRegistered;
    QLineEdit* m_phone;
    QLineEdit* m_fax;
    QLineEdit* m_email;
    QLineEdit* m_url;
    QLineEdit* m_bankName;
    QLineEdit* m_bankBranch;
    QLineEdit* m_bankCode;
    QLineEdit* m_bankAccount;
    QComboBox* m_payment;
    QPushButton* m_priceButton;
    QPlainTextEdit* m_notes;
    QPushButton* m_ok;
};
