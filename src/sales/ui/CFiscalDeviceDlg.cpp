#include "sales/ui/CFiscalDeviceDlg.h"

#include "base/Prompter.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "sales/fiscal/FiscalReceiptStore.h"
#include "sales/fiscal/FiscalRegister.h"
#include "settings/MachinePreferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* taxGroups(int chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (int group = 1; group <= 8; ++group)
        box->addItem(QString("%1 - „%2“").arg(group).arg(TaxGroupLetter(group)), group);
    box->setCurrentIndex(qBound(0, chosen - 1, 7));
    return box;
}

QString describe(const NetFpPrinter& p) {
    return QString("%1 %2, № %3").arg(p.manufacturer, p.model, p.serialNumber).simplified();
}

} // namespace

CFiscalDeviceDlg::CFiscalDeviceDlg(Database& db, MachinePreferences& settings, Prompter& prompter,
                                   FiscalRegister& fiscal, QWidget* parent)
    : QDialog(parent), m_db(db), m_settings(settings), m_prompter(prompter), m_fiscal(fiscal),
      m_stored(LoadFiscalDevice(settings)) {
    setWindowTitle("фискално устройство");
    m_server = new QLineEdit(m_stored.serverUrl, this);
    m_server->setMinimumWidth(320);
    m_printer = new QComboBox(this);
    m_printerInfo = new QLabel(this);
    m_operator = new QLineEdit(m_stored.operatorNumber, this);
    m_operator->setMaxLength(4);
    m_password = new QLineEdit(m_stored.operatorPassword, this);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(16);
    m_groupStandard = taxGroups(m_stored.taxGroupStandard, this);
    m_groupReduced = taxGroups(m_stored.taxGroupReduced, this);
    m_groupNone = taxGroups(m_stored.taxGroupNone, this);
    m_automatic = new QCheckBox("издавай фискален бон веднага след запис на продажба в брой", this);
    m_automatic->setChecked(m_stored.automatic);
    if (m_stored.Configured())
        m_printers.push_back({m_stored.printerId, QString(), m_stored.model, m_stored.serialNumber,
                              m_stored.fiscalMemoryNumber, m_stored.itemTextMaxLength,
                              m_stored.commentTextMaxLength});
    ShowPrinters();
    connect(m_printer, &QComboBox::currentIndexChanged, this, &CFiscalDeviceDlg::ShowPrinterInfo);
    ShowPrinterInfo();

    auto* find = new QPushButton("&Търсене на устройствата", this);
    find->setAutoDefault(false);
    connect(find, &QPushButton::clicked, this, &CFiscalDeviceDlg::FindPrinters);
    auto* check = new QPushButton("&Проверка на връзката", this);
    check->setAutoDefault(false);
    connect(check, &QPushButton::clicked, this, [this] {
        WaitCursor wait;
        m_fiscal.CheckConnection(Edited());
    });
    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(m_server, 1);
    serverRow->addWidget(find);

    auto* form = new QFormLayout;
    form->addRow("адрес на сървъра:", serverRow);
    form->addRow("устройство:", m_printer);
    form->addRow("", m_printerInfo);
    form->addRow("оператор №:", m_operator);
    form->addRow("парола на оператора:", m_password);
    form->addRow("данъчна група при регистрация по ЗДДС:", m_groupStandard);
    form->addRow("данъчна група при ставка 9 %:", m_groupReduced);
    form->addRow("данъчна група без ДДС:", m_groupNone);
    form->addRow("", m_automatic);

    const SaveCancelRow buttons = MakeSaveCancelRow(this, check);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.layout);
    SetTabOrder({m_server, find, m_printer, m_operator, m_password, m_groupStandard, m_groupReduced,
                 m_groupNone, m_automatic, check, buttons.save, buttons.cancel});
    m_server->setFocus();
}

void CFiscalDeviceDlg::ShowPrinters() {
    const QSignalBlocker quiet(m_printer);
    const QString chosen = m_stored.printerId;
    m_printer->clear();
    m_printer->addItem("(без фискално устройство)", QString());
    for (const NetFpPrinter& p : m_printers) {
        m_printer->addItem(describe(p), p.id);
        if (p.id == chosen)
            m_printer->setCurrentIndex(m_printer->count() - 1);
    }
    if (m_printer->currentIndex() <= 0 && m_printers.size() == 1)
        m_printer->setCurrentIndex(1);
}

void CFiscalDeviceDlg::ShowPrinterInfo() {
    const int index = m_printer->currentIndex() - 1;
    if (index < 0 || index >= static_cast<int>(m_printers.size())) {
        m_printerInfo->clear();
        return;
    }
    const NetFpPrinter& p = m_printers[static_cast<size_t>(index)];
    m_printerInfo->setText(QString("фискална памет № %1, до %2 знака в името на артикул")
                               .arg(p.fiscalMemoryNumber)
                               .arg(p.itemTextMaxLength));
}

void CFiscalDeviceDlg::FindPrinters() {
    std::optional<std::vector<NetFpPrinter>> found;
    {
        WaitCursor wait;
        found = m_fiscal.Printers(m_server->text());
    }
    if (!found)
        return;
    m_printers = *found;
    ShowPrinters();
    ShowPrinterInfo();
    m_printer->setFocus();
}

FiscalDeviceSettings CFiscalDeviceDlg::Edited() const {
    FiscalDeviceSettings d = m_stored;
    d.serverUrl = m_server->text().trimmed();
    const int index = m_printer->currentIndex() - 1;
    if (index >= 0 && index < static_cast<int>(m_printers.size())) {
        const NetFpPrinter& p = m_printers[static_cast<size_t>(index)];
        d.printerId = p.id;
        d.model = p.model;
        d.serialNumber = p.serialNumber;
        d.fiscalMemoryNumber = p.fiscalMemoryNumber;
        if (p.itemTextMaxLength > 0)
            d.itemTextMaxLength = p.itemTextMaxLength;
        if (p.commentTextMaxLength > 0)
            d.commentTextMaxLength = p.commentTextMaxLength;
    } else {
        d.printerId.clear();
    }
    d.operatorNumber = m_operator->text().trimmed();
    d.operatorPassword = m_password->text();
    d.taxGroupStandard = m_groupStandard->currentData().toInt();
    d.taxGroupReduced = m_groupReduced->currentData().toInt();
    d.taxGroupNone = m_groupNone->currentData().toInt();
    d.automatic = m_automatic->isChecked();
    return d;
}

void CFiscalDeviceDlg::accept() {
    const FiscalDeviceSettings edited = Edited();
    if (!edited.serverUrl.startsWith("http://") && !edited.serverUrl.startsWith("https://")) {
        m_prompter.Message("Адресът на сървъра започва с http:// или https://.", MessageIcon::Exclamation);
        m_server->setFocus();
        return;
    }
    bool numeric = false;
    if (edited.operatorNumber.toInt(&numeric) <= 0 || !numeric) {
        m_prompter.Message("Номерът на оператора е цяло число от 1 до 9999.", MessageIcon::Exclamation);
        m_operator->setFocus();
        return;
    }
    // The table of receipts comes with the first device of the file.
    if (edited.Configured() && !FiscalReceiptStore(m_db).Create())
        return;
    StoreFiscalDevice(m_settings, edited);
    QDialog::accept();
}
