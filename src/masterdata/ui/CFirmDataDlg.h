#pragma once

#include "masterdata/FirmDataForm.h"

#include <QDialog>

class CTarvoDoc;
class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;

// "данни на вашата фирма": the firm's own data, VAT status and rate.
class CFirmDataDlg : public QDialog {
    Q_OBJECT
public:
    CFirmDataDlg(CTarvoDoc& doc, Prompter& prompter, QWidget* parent = nullptr);

    FirmData Fields() const;

protected:
    void accept() override;

private:
    CTarvoDoc& m_doc;
    Prompter& m_prompter;
    FirmDataForm m_form;
    QLineEdit* m_name;
    QLineEdit* m_nameLat;
    QLineEdit* m_city;
    QLineEdit* m_cityLat;
    QLineEdit* m_address;
    QLineEdit* m_addressLat;
    QLineEdit* m_mol;
    QLineEdit* m_molLat;
    QLineEdit* m_taxId;
    QLineEdit* m_bulstat;
    QCheckBox* m_vatRegistered;
    QDoubleSpinBox* m_rate;
};
