#include "masterdata/ui/CFirmDataDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "masterdata/ui/CBanksDlg.h"
#include "session/TarvoDoc.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* edit(QWidget* parent, const QString& text, int maxLength) {
    auto* line = new QLineEdit(text, parent);
    line->setMaxLength(maxLength);
    line->setMinimumWidth(320);
    return line;
}
} // namespace

CFirmDataDlg::CFirmDataDlg(CTarvoDoc& doc, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompter(prompter), m_form(doc.Db(), prompter) {
    setWindowTitle("данни на вашата фирма");
    const FirmData stored = m_form.Load();
    m_name = edit(this, stored.firmName, 255);
    m_nameLat = edit(this, stored.firmNameLat, 255);
    m_city = edit(this, stored.city, 255);
    m_cityLat = edit(this, stored.cityLat, 255);
    m_address = edit(this, stored.address, 255);
    m_addressLat = edit(this, stored.addressLat, 255);
    m_mol = edit(this, stored.mol, 100);
    m_molLat = edit(this, stored.molLat, 100);
    m_taxId = edit(this, stored.taxId, 20);
    m_bulstat = edit(this, stored.bulstat, 20);
    m_vatRegistered = new QCheckBox("регистрация по ЗДДС", this);
    m_vatRegistered->setChecked(stored.vatRegistered != 0);
    m_rate = new DecimalSpinBox(this);
    m_rate->setDecimals(2);
    m_rate->setRange(0, 999.99);
    m_rate->setValue(stored.vatValue);

    auto* form = new QFormLayout;
    form->addRow("име на фирмата:", m_name);
    form->addRow("име на фирмата (на латиница):", m_nameLat);
    form->addRow("населено място:", m_city);
    form->addRow("населено място (на латиница):", m_cityLat);
    form->addRow("данъчен адрес:", m_address);
    form->addRow("данъчен адрес (на латиница):", m_addressLat);
    form->addRow("М.О.Л.:", m_mol);
    form->addRow("М.О.Л. (на латиница):", m_molLat);
    form->addRow("ИДЕНТ. № / ЕГН", m_taxId);
    form->addRow("ИДЕНТ. ДДС №", m_bulstat);
    form->addRow("", m_vatRegistered);
    form->addRow("СТАВКА ПО ЗДДС %:", m_rate);

    auto* banks = new QPushButton("Банкови сметки на фирмата", this);
    banks->setAutoDefault(false);
    connect(banks, &QPushButton::clicked, this, [this] { CBanksDlg(m_doc, m_prompter, this).exec(); });
    const SaveCancelRow buttons = MakeSaveCancelRow(this, banks);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.layout);
    SetTabOrder({m_name, m_nameLat, m_city, m_cityLat, m_address, m_addressLat, m_mol, m_molLat, m_taxId,
                 m_bulstat, m_vatRegistered, m_rate, banks, buttons.save, buttons.cancel});
    m_name->setFocus();
}

FirmData CFirmDataDlg::Fields() const {
    FirmData fields;
    fields.firmName = m_name->text();
    fields.firmNameLat = m_nameLat->text();
    fields.city = m_city->text();
    fields.cityLat = m_cityLat->text();
    fields.address = m_address->text();
    fields.addressLat = m_addressLat->text();
    fields.mol = m_mol->text();
    fields.molLat = m_molLat->text();
    fields.taxId = m_taxId->text();
    fields.bulstat = m_bulstat->text();
    fields.vatRegistered = m_vatRegistered->isChecked() ? 1 : 0;
    fields.vatValue = m_rate->value();
    return fields;
}

void CFirmDataDlg::accept() {
    WaitCursor busy;
    if (m_form.Save(Fields()))
        QDialog::accept();
}
