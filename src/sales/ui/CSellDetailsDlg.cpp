#include "sales/ui/CSellDetailsDlg.h"

#include "base/ui/DateField.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QComboBox* choices(const QStringList& values, const QString& current, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(values);
    box->setCurrentText(current);
    box->setMinimumWidth(260);
    return box;
}

} // namespace

CSellDetailsDlg::CSellDetailsDlg(const SaleDetails& d, const SaleDetailsChoices& offered,
                                 SaleDetailsDialog::Accept accept, SaleDetails::Field focus, QWidget* parent)
    : QDialog(parent), m_accept(std::move(accept)), m_details(d) {
    setWindowTitle("допълнителни данни");
    m_place = new QLineEdit(d.place, this);
    m_object = new QLineEdit(d.object, this);
    m_osnovanie = new QLineEdit(d.osnovanie, this);
    m_givenBy = choices(offered.givenBy, d.givenBy, this);
    m_receivedBy = new QLineEdit(d.receivedBy, this);
    m_compiledBy = choices(offered.compiledBy, d.compiledBy, this);
    m_transportedBy = choices(offered.transportedBy, d.transportedBy, this);
    const auto dateField = [this](const QDate& date, const QString& name) {
        QDateEdit* field = MakeDateField(this, name);
        field->setDate(date.isValid() ? date : QDate::currentDate());
        return field;
    };
    m_recvDate = dateField(d.recvDate, "дата на получаване");
    m_payDate = dateField(d.payDate, "дата на плащане");
    m_taxEventDate = dateField(d.taxEventDate, "дата на данъчното събитие");
    m_payBy = new QComboBox(this);
    m_payBy->addItems({"в брой", "с платежно нареждане"});
    m_payBy->setCurrentIndex(d.payBy == 1 ? 1 : 0);
    m_accounts = new QTreeWidget(this);
    m_accounts->setHeaderLabels({"име на банката", "BIC", "IBAN"});
    m_accounts->setRootIsDecorated(false);
    m_accounts->setAccessibleName("банкови сметки");
    m_accounts->setMaximumHeight(110);
    m_accounts->header()->resizeSection(0, 180);
    m_accounts->header()->resizeSection(1, 100);
    for (const SaleDetailsChoices::Account& account : offered.accounts) {
        auto* item = new QTreeWidgetItem(m_accounts, {account.name, account.code, account.account});
        item->setData(0, Qt::UserRole, account.id);
        if (account.id == d.bankId)
            m_accounts->setCurrentItem(item);
    }
    m_vatRegistered = new QCheckBox("начисляване на ДДС", this);
    m_vatRegistered->setChecked(d.vatRegistered != 0);
    m_vatRate = new DecimalSpinBox(this);
    m_vatRate->setDecimals(2);
    m_vatRate->setRange(0, 100);
    m_vatRate->setValue(d.vatRate);
    m_vatRate->setAccessibleName("ставка на ДДС %:");
    m_osnovanieVat = choices(offered.vatGrounds, d.osnovanieVat, this);
    m_newVehicle = new QLineEdit(d.newVehicle, this);
    for (QLineEdit* field : {m_place, m_object, m_osnovanie, m_receivedBy, m_newVehicle})
        field->setMaxLength(255);

    auto* parties = new QFormLayout;
    parties->addRow("място на сделката:", m_place);
    parties->addRow("търговски обект:", m_object);
    parties->addRow("основание на сделката:", m_osnovanie);
    parties->addRow("предал:", m_givenBy);
    parties->addRow("приел:", m_receivedBy);
    parties->addRow("съставил:", m_compiledBy);
    parties->addRow("превозвач:", m_transportedBy);
    auto* dates = new QFormLayout;
    dates->addRow("дата на получаване:", m_recvDate);
    dates->addRow("дата на плащане:", m_payDate);
    dates->addRow("дата на данъчно събитие:", m_taxEventDate);
    dates->addRow("начин на плащане:", m_payBy);
    dates->addRow(m_accounts);
    auto* vatRow = new QHBoxLayout;
    vatRow->addWidget(m_vatRegistered);
    vatRow->addWidget(m_vatRate);
    dates->addRow("ставка на ДДС %:", vatRow);
    dates->addRow("основание за неначисляване на ДДС:", m_osnovanieVat);
    dates->addRow("ново превозно средство:", m_newVehicle);
    auto* columns = new QHBoxLayout;
    columns->addLayout(parties);
    columns->addSpacing(12);
    columns->addLayout(dates);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    SetTabOrder({m_place, m_object, m_osnovanie, m_givenBy, m_receivedBy, m_compiledBy, m_transportedBy,
                 m_recvDate, m_payDate, m_taxEventDate, m_payBy, m_accounts, m_vatRegistered, m_vatRate,
                 m_osnovanieVat, m_newVehicle, buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    FieldWidget(focus)->setFocus();
}

QWidget* CSellDetailsDlg::FieldWidget(SaleDetails::Field field) const {
    using Field = SaleDetails::Field;
    switch (field) {
    case Field::Object:
        return m_object;
    case Field::GivenBy:
        return m_givenBy;
    case Field::ReceivedBy:
        return m_receivedBy;
    case Field::CompiledBy:
        return m_compiledBy;
    case Field::VatGround:
        return m_osnovanieVat;
    case Field::Account:
        return m_accounts;
    case Field::None:
    case Field::Place:
        break;
    }
    return m_place;
}

SaleDetails CSellDetailsDlg::Details() const {
    SaleDetails d = m_details;
    d.place = m_place->text().trimmed();
    d.object = m_object->text().trimmed();
    d.osnovanie = m_osnovanie->text().trimmed();
    d.givenBy = m_givenBy->currentText().trimmed();
    d.receivedBy = m_receivedBy->text().trimmed();
    d.compiledBy = m_compiledBy->currentText().trimmed();
    d.transportedBy = m_transportedBy->currentText().trimmed();
    d.recvDate = m_recvDate->date();
    d.payDate = m_payDate->date();
    d.taxEventDate = m_taxEventDate->date();
    d.payBy = m_payBy->currentIndex();
    const QTreeWidgetItem* account = m_accounts->currentItem();
    d.bankId = d.payBy == 1 && account ? account->data(0, Qt::UserRole).toInt() : 0;
    d.vatRegistered = m_vatRegistered->isChecked() ? 1 : 0;
    d.vatRate = m_vatRate->value();
    d.osnovanieVat = m_osnovanieVat->currentText().trimmed();
    d.newVehicle = m_newVehicle->text().trimmed();
    return d;
}

void CSellDetailsDlg::accept() {
    WaitCursor busy;
    const SaleDetails::Field refused = m_accept(Details());
    if (refused == SaleDetails::Field::None)
        QDialog::accept();
    else
        FieldWidget(refused)->setFocus();
}

bool GuiSaleDetailsDialog::EditDetails(SaleDetails& details, const SaleDetailsChoices& choices,
                                       const Accept& accept, SaleDetails::Field focus) {
    CSellDetailsDlg dialog(details, choices, accept, focus, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    details = dialog.Details();
    return true;
}
