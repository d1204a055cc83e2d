#include "base/ui/GuiNumberInput.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

std::optional<double> GuiNumberInput::AskNumber(const QString& title, const QString& label, double initial,
                                                int decimals) {
    QDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    auto* number = new DecimalSpinBox(&dialog);
    number->setDecimals(decimals);
    number->setRange(-999999999, 999999999);
    number->setValue(initial);
    number->setAccessibleName(label);
    auto* form = new QFormLayout;
    form->addRow(label, number);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(&dialog));
    number->setFocus();
    number->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return number->value();
}
