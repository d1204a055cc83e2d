#include "stockops/ui/CDeliveryLineDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"
#include "format/FormatNumber.h"
#include "stockops/ui/CPriceFromTotalDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDeliveryLineDlg::CDeliveryLineDlg(DeliveryLineDialog::Request request,
                                   std::function<bool(const DeliveryLineDialog::Answer&)> accept,
                                   QWidget* parent)
    : QDialog(parent), m_request(std::move(request)), m_accept(std::move(accept)),
      m_quantity(new DecimalSpinBox(this)), m_price(new DecimalSpinBox(this)),
      m_withVat(new QCheckBox("с вкл. ДДС", this)), m_priceWithVat(new QLineEdit(this)) {
    setWindowTitle("артикул");
    auto readOnly = [this](const QString& text) {
        auto* field = new QLineEdit(text, this);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        return field;
    };
    m_quantity->setDecimals(3);
    m_quantity->setRange(-999999999, 999999999);
    m_quantity->setValue(m_request.quantity);
    m_quantity->setAccessibleName("количество:");
    m_price->setDecimals(2);
    m_price->setRange(-999999999, 999999999);
    m_price->setValue(m_request.price);
    m_price->setAccessibleName("ед. доставна цена:");
    m_withVat->setChecked(m_request.withVat);
    m_withVat->setEnabled(m_request.withVatEnabled);
    m_priceWithVat->setReadOnly(true);
    m_priceWithVat->setFocusPolicy(Qt::NoFocus);
    m_priceWithVat->setAlignment(Qt::AlignRight);
    m_priceWithVat->setAccessibleName("цена с ДДС");
    auto* calculate = new QPushButton("калкулиране на ед. цена от обща стойност", this);
    calculate->setAutoDefault(false);
    connect(calculate, &QPushButton::clicked, this, &CDeliveryLineDlg::CalculatePrice);
    connect(m_price, &QDoubleSpinBox::valueChanged, this, &CDeliveryLineDlg::ShowPriceWithVat);
    connect(m_withVat, &QCheckBox::toggled, this, &CDeliveryLineDlg::ShowPriceWithVat);

    auto* vatRow = new QHBoxLayout;
    vatRow->addWidget(m_withVat);
    vatRow->addWidget(m_priceWithVat, 1);
    auto* form = new QFormLayout;
    form->addRow("код:", readOnly(m_request.code));
    form->addRow("наименование:", readOnly(m_request.name));
    form->addRow("количество:", m_quantity);
    form->addRow("ед. доставна цена:", m_price);
    form->addRow("", vatRow);
    form->addRow("", calculate);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(500);
    SetTabOrder({m_quantity, m_price, m_withVat, calculate, buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    ShowPriceWithVat();
    m_quantity->setFocus();
    m_quantity->selectAll();
}

// The price with VAT beside the box, shown while it is ticked.
void CDeliveryLineDlg::ShowPriceWithVat() {
    const bool ticked = m_withVat->isChecked();
    m_priceWithVat->setText(ticked ? FormatNumber(m_price->value() * (1 + m_request.vatRate / 100), 2)
                                   : QString());
    m_priceWithVat->setEnabled(ticked);
}

void CDeliveryLineDlg::CalculatePrice() {
    CPriceFromTotalDlg dialog(m_quantity->value(), m_request.vatRate, m_request.priceFromTotal, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_quantity->setValue(dialog.Quantity());
    m_price->setValue(dialog.Price());
    m_price->setFocus();
}

DeliveryLineDialog::Answer CDeliveryLineDlg::Answer() const {
    return {m_quantity->value(), m_price->value(), m_withVat->isChecked()};
}

void CDeliveryLineDlg::accept() {
    if (m_accept(Answer()))
        QDialog::accept();
}

std::optional<DeliveryLineDialog::Answer>
GuiDeliveryLineDialog::AskLine(const Request& request, const std::function<bool(const Answer&)>& accept) {
    CDeliveryLineDlg dialog(request, accept, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}
