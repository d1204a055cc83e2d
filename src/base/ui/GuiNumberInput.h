#pragma once

#include "base/NumberInput.h"

class QWidget;

// A one-number dialog of the desktop: a number box with its decimals, OK and
// "Отказ".
class GuiNumberInput : public NumberInput {
public:
    explicit GuiNumberInput(QWidget* parent) : m_parent(parent) {}
    std::optional<double> AskNumber(const QString& title, const QString& label, double initial,
                                    int decimals) override;

private:
    QWidget* m_parent;
};
