#pragma once

#include <QDoubleSpinBox>

// A number field that shows a decimal point and takes a typed comma as one
// ("12,50" is 12.50).
class DecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit DecimalSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& position) const override;
    double valueFromText(const QString& text) const override;
    void fixup(QString& text) const override;
};
