#include "masterdata/ui/CPartnerDlg.h"

#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "masterdata/PartnerList.h"
#include "masterdata/PartnersForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* edit(QWidget* parent, const QString& text, int maxLength) {
    auto* line = new QLineEdit(text, parent);
    line->setMaxLength(maxLength);
    return line;
}
} // namespace

CPartnerDlg::CPartnerDlg(const Partner& record, Prompter& prompter, PartnerEditor::Save save,
                                     QWidget* parent)
    : QDialog(parent), m_record(record), m_prompter(prompter), m_save(std::move(save)),
      m_defaultPrice(record.defaultPrice) {
    setWindowTitle(PartnerRules::DialogTitle(record));
    setAccessibleName("създаване / редактиране на контрагент");
    m_customer = new QCheckBox("клиент", this);
    m_customer->setChecked(record.isCustomer);
    m_supplier = new QCheckBox("доставчик", this);
    m_supplier->setChecked(record.isSupplier);
    m_name = edit(this, record.name, 255);
    m_nameLat = edit(this, record.nameLat, 255);
    m_city = edit(this, record.city, 100);
    m_cityLat = edit(this, record.cityLat, 100);
    m_address = edit(this, record.address, 255);
    m_addressLat = edit(this, record.addressLat, 255);
    m_taxId = edit(this, record.taxId, 20);
    m_bulstat = edit(this, record.bulstat, 20);
    m_mol = edit(this, record.mol, 100);
    m_molLat = edit(this, record.molLat, 100);
    m_vatRegistered = new QCheckBox("контрагентът е регистриран по ЗДДС", this);
    m_vatRegistered->setChecked(record.vatRegistered);
    m_phone = edit(this, record.phone, 255);
    m_fax = edit(this, record.fax, 100);
    m_email = edit(this, record.email, 100);
    m_url = edit(this, record.url, 255);
    m_bankName = edit(this, record.bankName, 100);
    m_bankBranch = edit(this, record.bankBranch, 100);
    m_bankCode = edit(this, record.bankCode, 20);
    m_bankAccount = edit(this, record.bankAccount, 40);
    m_payment = new QComboBox(this);
    m_payment->addItems({"в брой", "с платежно нареждане"});
    m_payment->setCurrentIndex(record.preferPayment ? 1 : 0);
    m_priceButton = new QPushButton(this);
    m_priceButton->setAutoDefault(false);
    auto* prices = new QMenu(m_priceButton);
    const std::pair<const char*, int> choices[] = {
        {"продажна цена #1", 1},
        {"продажна цена #2", 2},
        {"собствена цена (ако не е зададена - по продажна цена #1)", 5},
        {"себестойност", 0},
        {"последна доставна", 4},
        {"въведена ръчно при продажба", 3}};
    for (const auto& [text, value] : choices)
        prices->addAction(text, this, [this, value = value] { ChooseDefaultPrice(value); });
    m_priceButton->setMenu(prices);
    ChooseDefaultPrice(m_defaultPrice);
    m_notes = new QPlainTextEdit(record.notes, this);
    m_notes->setTabChangesFocus(true);
    m_notes->setFixedHeight(60);

    auto* kind = new QHBoxLayout;
    kind->addWidget(m_customer);
    kind->addWidget(m_supplier);
    kind->addStretch();

    auto* identity = new QFormLayout;
    identity->addRow("", kind);
    identity->addRow("наименование на фирмата / лицето:", m_name);
    identity->addRow("наименование на фирмата / лицето (на латиница):", m_nameLat);
    identity->addRow("населено място:", m_city);
    identity->addRow("населено място (на латиница):", m_cityLat);
    identity->addRow("данъчен адрес:", m_address);
    identity->addRow("данъчен адрес (на латиница):", m_addressLat);
    identity->addRow("Идент. № / ЕГН", m_taxId);
    identity->addRow("Идент. ДДС №", m_bulstat);
    identity->addRow("", m_vatRegistered);
    identity->addRow("МОЛ", m_mol);
    identity->addRow("МОЛ (на латиница):", m_molLat);

    auto* contact = new QFormLayout;
    contact->addRow("телефони за контакт:", m_phone);
    contact->addRow("факс:", m_fax);
    contact->addRow("E-mail:", m_email);
    contact->addRow("уеб страница:", m_url);
    contact->addRow("наименование на банката:", m_bankName);
    contact->addRow("банков клон:", m_bankBranch);
    contact->addRow("BIC", m_bankCode);
    contact->addRow("IBAN", m_bankAccount);
    contact->addRow("предпочита плащане", m_payment);
    contact->addRow("по подразбиране купува по:", m_priceButton);
    contact->addRow("забележки:", m_notes);

    auto* columns = new QHBoxLayout;
    columns->addLayout(identity, 3);
    columns->addSpacing(12);
    columns->addLayout(contact, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    connect(m_name, &QLineEdit::textChanged, this, &CPartnerDlg::UpdateOk);
    connect(m_customer, &QCheckBox::toggled, this, &CPartnerDlg::UpdateOk);
    connect(m_supplier, &QCheckBox::toggled, this, &CPartnerDlg::UpdateOk);
    UpdateOk();
    // The name first; Tab then goes down the card, left column before the right.
    SetTabOrder({m_customer,
                 m_supplier,
                 m_name,
                 m_nameLat,
                 m_city,
                 m_cityLat,
                 m_address,
                 m_addressLat,
                 m_taxId,
                 m_bulstat,
                 m_vatRegistered,
                 m_mol,
                 m_molLat,
                 m_phone,
                 m_fax,
                 m_email,
                 m_url,
                 m_bankName,
                 m_bankBranch,
                 m_bankCode,
                 m_bankAccount,
                 m_payment,
                 m_priceButton,
                 m_notes,
                 buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    m_name->setFocus();
}

void CPartnerDlg::ChooseDefaultPrice(int value) {
    m_defaultPrice = value;
    m_priceButton->setText(DefaultPriceDialogText(value));
}

Partner CPartnerDlg::Record() const {
    Partner r = m_record;
    r.isCustomer = m_customer->isChecked() ? 1 : 0;
    r.isSupplier = m_supplier->isChecked() ? 1 : 0;
    r.name = m_name->text();
    r.nameLat = m_nameLat->text();
    r.city = m_city->text();
    r.cityLat = m_cityLat->text();
    r.address = m_address->text();
    r.addressLat = m_addressLat->text();
    r.taxId = m_taxId->text();
    r.bulstat = m_bulstat->text();
    r.mol = m_mol->text();
    r.molLat = m_molLat->text();
    r.vatRegistered = m_vatRegistered->isChecked() ? 1 : 0;
    r.phone = m_phone->text();
    r.fax = m_fax->text();
    r.email = m_email->text();
    r.url = m_url->text();
    r.bankName = m_bankName->text();
    r.bankBranch = m_bankBranch->text();
    r.bankCode = m_bankCode->text();
    r.bankAccount = m_bankAccount->text();
    r.preferPayment = m_payment->currentIndex();
    r.defaultPrice = m_defaultPrice;
    r.notes = m_notes->toPlainText();
    return r;
}

void CPartnerDlg::UpdateOk() {
    m_ok->setEnabled(PartnerRules::CanAccept(Record()));
}

void CPartnerDlg::accept() {
    Partner record = Record();
    if (!PartnerRules::Validate(record, m_prompter))
        return;
    WaitCursor busy;
    if (!m_save(record))
        return;
    m_saved = record;
    QDialog::accept();
}
