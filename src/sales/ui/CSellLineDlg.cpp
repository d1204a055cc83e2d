#include "sales/ui/CSellLineDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/TabOrder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

CSellLineDlg::CSellLineDlg(const SaleLineDialog::Request& request,
                           std::function<bool(const SaleLineDialog::Answer&)> accept, QWidget* parent)
    : QDialog(parent), m_pricing(*request.pricing), m_accept(std::move(accept)), m_kind(request.start.kind),
      m_quantity(new DecimalSpinBox(this)), m_price(new DecimalSpinBox(this)),
      m_priceLabel(new QLabel(this)) {
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
    m_price->setDecimals(2);
    m_price->setRange(-999999999, 999999999);
    m_price->setAccessibleName("цена");
    auto* quick = new QPushButton("бърз избор на прод. цена", this);
    quick->setAutoDefault(false);
    auto* kinds = new QMenu(quick);
    const std::pair<const char*, int> entries[] = {
        {"продажна цена #1", SaleLinePricing::Price1},
        {"продажна цена #2", SaleLinePricing::Price2},
        {"собствена цена (ако не е зададена - по продажна цена #1)", SaleLinePricing::PartnerPrice},
        {"себестойност", SaleLinePricing::CostPrice},
        {"последна доставна", SaleLinePricing::LastPrice},
        {"въведена ръчно при продажба", SaleLinePricing::Typed}};
    for (const auto& [text, kind] : entries)
        kinds->addAction(text, this, [this, kind = kind] { ChooseKind(kind); });
    quick->setMenu(kinds);

    auto* form = new QFormLayout;
    form->addRow("наименование:", name);
    form->addRow("код:", code);
    form->addRow("количество:", m_quantity);
    form->addRow(m_priceLabel, m_price);
    form->addRow("", quick);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    m_priceLabel->setText(SaleLinePricing::Label(request.start.kind));
    m_price->setValue(request.start.price);
    m_price->setReadOnly(!request.start.editable);
    SetTabOrder({m_quantity, m_price, quick, buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    m_quantity->setFocus();
    m_quantity->selectAll();
}

void CSellLineDlg::ChooseKind(int kind) {
    const SaleLinePricing::Choice choice = m_pricing.Select(kind);
    m_kind = choice.kind;
    m_priceLabel->setText(SaleLinePricing::Label(choice.kind));
    m_price->setValue(choice.price);
    m_price->setReadOnly(!choice.editable);
    if (choice.editable) {
        m_price->setFocus();
        m_price->selectAll();
    }
}

SaleLineDialog::Answer CSellLineDlg::Answer() const {
    return {m_quantity->value(), m_price->value(), m_kind};
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
