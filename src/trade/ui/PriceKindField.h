#pragma once

#include "trade/SaleLinePricing.h"

#include <QObject>
#include <utility>
#include <vector>

class DecimalSpinBox;
class QLabel;
class QPushButton;
class QWidget;

// The price of a catalogue line in a line dialog: the label names the price
// kind, the field is editable only for a typed price, and the button's menu
// ("бърз избор ...") picks another kind from the line's pricing.
class PriceKindField : public QObject {
    Q_OBJECT
public:
    using Entries = std::vector<std::pair<const char*, int>>;
    PriceKindField(QWidget* dialog, const QString& buttonCaption, const Entries& entries,
                   const SaleLinePricing& pricing, const SaleLinePricing::Choice& start);

    QLabel* Label() const { return m_label; }
    DecimalSpinBox* Price() const { return m_price; }
    QPushButton* Button() const { return m_button; }
    int Kind() const { return m_kind; }
    // A menu entry: the kind's price, read-only unless typed (then focused).
    void ChooseKind(int kind);

private:
    void Show(const SaleLinePricing::Choice& choice);

    const SaleLinePricing& m_pricing;
    int m_kind;
    QLabel* m_label;
    DecimalSpinBox* m_price;
    QPushButton* m_button;
};
