#include "trade/ui/PriceKindField.h"

#include "base/ui/DecimalSpinBox.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

PriceKindField::PriceKindField(QWidget* dialog, const QString& buttonCaption, const Entries& entries,
                               const SaleLinePricing& pricing, const SaleLinePricing::Choice& start)
    : QObject(dialog), m_pricing(pricing), m_kind(start.kind), m_label(new QLabel(dialog)),
      m_price(new DecimalSpinBox(dialog)), m_button(new QPushButton(buttonCaption, dialog)) {
    m_price->setDecimals(2);
    m_price->setRange(-999999999, 999999999);
    m_button->setAutoDefault(false);
    auto* kinds = new QMenu(m_button);
    for (const auto& [text, kind] : entries)
        kinds->addAction(text, this, [this, kind = kind] { ChooseKind(kind); });
    m_button->setMenu(kinds);
    Show(start);
}

void PriceKindField::Show(const SaleLinePricing::Choice& choice) {
    m_kind = choice.kind;
    m_label->setText(SaleLinePricing::Label(choice.kind));
    m_price->setValue(choice.price);
    m_price->setReadOnly(!choice.editable);
}

void PriceKindField::ChooseKind(int kind) {
    Show(m_pricing.Select(kind));
    if (!m_price->isReadOnly()) {
        m_price->setFocus();
        m_price->selectAll();
    }
}
