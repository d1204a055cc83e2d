#include "stockops/ui/CRequestLineDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"
#include "trade/ui/PriceKindField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRequestLineDlg::CRequestLineDlg(
    const RequestLineDialog::Request& request,
    std::function<RequestLineDialog::Refusal(const RequestLineDialog::Answer&)> accept, QWidget* parent)
    : QDialog(parent), m_accept(std::move(accept)), m_withPrices(request.withPrices),
      m_useCode(new QCheckBox("ползвай кода на доставчика:", this)), m_codes(new QComboBox(this)),
      m_quantity(new DecimalSpinBox(this)),
      m_price(new PriceKindField(this, "бърз избор на цена",
                                 {{"последна доставна цена", SaleLinePricing::LastPrice},
                                  {"собствена цена на доставчика (ако не е зададена - продажна цена #1)",
                                   SaleLinePricing::PartnerPrice},
                                  {"себестойност", SaleLinePricing::CostPrice},
                                  {"продажна цена #1", SaleLinePricing::Price1},
                                  {"продажна цена #2", SaleLinePricing::Price2},
                                  {"въвеждане на цена", SaleLinePricing::Typed}},
                                 *request.pricing, request.start)),
      m_notes(new QLineEdit(request.notes, this)) {
    setWindowTitle("количество и цена");
    auto* name = new QLineEdit(request.name, this);
    name->setReadOnly(true);
    name->setFocusPolicy(Qt::NoFocus);
    auto* code = new QLineEdit(request.code, this);
    code->setReadOnly(true);
    code->setFocusPolicy(Qt::NoFocus);
    m_useCode->setChecked(request.useSupplierCode);
    m_useCode->setToolTip("Отпечатване на кода, с който доставчикът познава артикула");
    m_codes->addItems(request.supplierCodes);
    m_codes->setCurrentIndex(static_cast<int>(request.supplierCodes.indexOf(request.supplierCode)));
    m_codes->setAccessibleName("код на доставчика");
    m_codes->setEnabled(request.useSupplierCode);
    connect(m_useCode, &QCheckBox::toggled, m_codes, &QWidget::setEnabled);
    m_quantity->setDecimals(2);
    m_quantity->setRange(-999999999, 999999999);
    m_quantity->setValue(request.quantity);
    m_quantity->setAccessibleName("количество:");
    m_price->Price()->setAccessibleName("ед. цена:");
    m_notes->setMaxLength(255);
    if (!m_withPrices) {
        // A request without prices asks for quantities only.
        m_price->Label()->setText("ед. цена:");
        m_price->Price()->setValue(0);
        m_price->Price()->setEnabled(false);
        m_price->Button()->setEnabled(false);
    }

    auto* form = new QFormLayout;
    form->addRow("наименование:", name);
    form->addRow("код:", code);
    form->addRow(m_useCode, m_codes);
    form->addRow("количество:", m_quantity);
    form->addRow(m_price->Label(), m_price->Price());
    form->addRow("", m_price->Button());
    form->addRow("забележки:", m_notes);
    auto* buttons = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetTabOrder({m_useCode, m_codes, m_quantity, m_price->Price(), m_price->Button(), m_notes});
    m_quantity->setFocus();
    m_quantity->selectAll();
    resize(520, sizeHint().height());
}

void CRequestLineDlg::ChooseKind(int kind) {
    if (m_withPrices)
        m_price->ChooseKind(kind);
}

RequestLineDialog::Answer CRequestLineDlg::Answer() const {
    return {m_useCode->isChecked(),
            m_codes->currentText(),
            m_quantity->value(),
            m_withPrices ? m_price->Price()->value() : 0.0,
            m_withPrices ? m_price->Kind() : static_cast<int>(SaleLinePricing::Typed),
            m_notes->text()};
}

void CRequestLineDlg::accept() {
    switch (m_accept(Answer())) {
    case RequestLineDialog::Refusal::None:
        QDialog::accept();
        break;
    case RequestLineDialog::Refusal::Quantity:
        m_quantity->setFocus();
        m_quantity->selectAll();
        break;
    case RequestLineDialog::Refusal::Price:
        m_price->Price()->setFocus();
        break;
    case RequestLineDialog::Refusal::SupplierCode:
        (m_codes->isEnabled() ? static_cast<QWidget*>(m_codes) : m_useCode)->setFocus();
        break;
    }
}

std::optional<RequestLineDialog::Answer>
GuiRequestLineDialog::AskLine(const Request& request, const std::function<Refusal(const Answer&)>& accept) {
    CRequestLineDlg dialog(request, accept, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}
