#include "trade/ui/CSellLineDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/TabOrder.h"
#include "trade/ui/PriceKindField.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSellLineDlg::CSellLineDlg(const SaleLineDialog::Request& request,
                           std::function<bool(const SaleLineDialog::Answer&)> accept, QWidget* parent)
    : QDialog(parent), m_accept(std::move(accept)), m_quantity(new DecimalSpinBox(this)),
      m_price(new PriceKindField(
          this, "бърз избор на прод. цена",
          {{"продажна цена #1", SaleLinePricing::Price1},
           {"продажна цена #2", SaleLinePricing::Price2},
           {"собствена цена (ако не е зададена - по продажна цена #1)", SaleLinePricing::PartnerPrice},
           {"себестойност", SaleLinePricing::CostPrice},
           {"последна доставна", SaleLinePricing::LastPrice},
           {"въведена ръчно при продажба", SaleLinePricing::Typed}},
          *request.pricing, request.start)) {
    setWindowTitle("количество и продажна цена");
    auto* name = new QLineEdit(request.name, this);
    name->setReadOnly(true);
    name->setFocusPolicy(Qt::NoFocus);
    auto* code = new QLineEdit(request.code, this);
    code->setReadOnly(true);
    code->setFocusPolicy(Qt::NoFocus);
    m_quantity->setDecimals(3);
    m_quantity->setRange(-999999999, 999999999);
    m_quantity->setValue(request.quantity);
    m_quantity->setAccessibleName("количество:");
    m_price->Price()->setAccessibleName("цена");

    auto* form = new QFormLayout;
    form->addRow("наименование:", name);
    form->addRow("код:", code);
    form->addRow("количество:", m_quantity);
    form->addRow(m_price->Label(), m_price->Price());
    form->addRow("", m_price->Button());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    SetTabOrder({m_quantity, m_price->Price(), m_price->Button(), buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    m_quantity->setFocus();
    m_quantity->selectAll();
}

void CSellLineDlg::ChooseKind(int kind) {
    m_price->ChooseKind(kind);
}

SaleLineDialog::Answer CSellLineDlg::Answer() const {
    return {m_quantity->value(), m_price->Price()->value(), m_price->Kind()};
}

void CSellLineDlg::accept() {
    if (m_accept(Answer()))
        QDialog::accept();
}

std::optional<SaleLineDialog::Answer>
GuiSaleLineDialog::AskLine(const Request& request, const std::function<bool(const Answer&)>& accept) {
    CSellLineDlg dialog(request, accept, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}
