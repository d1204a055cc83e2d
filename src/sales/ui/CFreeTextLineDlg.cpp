#include "sales/ui/CFreeTextLineDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/TabOrder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFreeTextLineDlg::CFreeTextLineDlg(const FreeTextLineDialog::Line& initial,
                                   std::function<bool(const FreeTextLineDialog::Line&)> accept,
                                   QWidget* parent)
    : QDialog(parent), m_accept(std::move(accept)), m_code(new QLineEdit(initial.code, this)),
      m_name(new QLineEdit(initial.name, this)), m_units(new QLineEdit(initial.units, this)),
      m_quantity(new DecimalSpinBox(this)), m_price(new DecimalSpinBox(this)) {
    setWindowTitle("свободен текст");
    m_code->setMaxLength(100);
    m_name->setMaxLength(255);
    m_name->setMinimumWidth(360);
    m_units->setMaxLength(20);
    m_quantity->setDecimals(3);
    m_quantity->setRange(-999999999, 999999999);
    m_quantity->setValue(initial.quantity);
    m_price->setDecimals(2);
    m_price->setRange(-999999999, 999999999);
    m_price->setValue(initial.price);
    auto* form = new QFormLayout;
    form->addRow("код:", m_code);
    form->addRow("наименование:", m_name);
    form->addRow("мярка:", m_units);
    form->addRow("количество:", m_quantity);
    form->addRow("ед. цена:", m_price);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetTabOrder({m_code, m_name, m_units, m_quantity, m_price, buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    m_code->setFocus();
}

FreeTextLineDialog::Line CFreeTextLineDlg::Line() const {
    return {m_code->text(), m_name->text(), m_units->text(), m_quantity->value(), m_price->value()};
}

void CFreeTextLineDlg::accept() {
    if (m_accept(Line()))
        QDialog::accept();
}

std::optional<FreeTextLineDialog::Line>
GuiFreeTextLineDialog::AskFreeText(const Line& initial, const std::function<bool(const Line&)>& accept) {
    CFreeTextLineDlg dialog(initial, accept, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Line();
}
