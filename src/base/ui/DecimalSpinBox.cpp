#include "base/ui/DecimalSpinBox.h"

DecimalSpinBox::DecimalSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setLocale(QLocale::c());
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight);
    setGroupSeparatorShown(false);
}

QValidator::State DecimalSpinBox::validate(QString& text, int& position) const {
    text.replace(',', '.');
    return QDoubleSpinBox::validate(text, position);
}

double DecimalSpinBox::valueFromText(const QString& text) const {
    return QDoubleSpinBox::valueFromText(QString(text).replace(',', '.'));
}

void DecimalSpinBox::fixup(QString& text) const {
    text.replace(',', '.');
    QDoubleSpinBox::fixup(text);
}
