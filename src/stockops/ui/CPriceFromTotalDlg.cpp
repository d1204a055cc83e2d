#include "stockops/ui/CPriceFromTotalDlg.h"

#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CPriceFromTotalDlg::CPriceFromTotalDlg(double quantity, double vatRate, Calculate calculate, QWidget* parent)
    : QDialog(parent), m_calculate(std::move(calculate)), m_total(new DecimalSpinBox(this)),
      m_quantity(new DecimalSpinBox(this)),
      m_removeVat(new QCheckBox(QString::asprintf("без ДДС (%.f%%)", vatRate), this)) {
    setWindowTitle("калкулиране на ед. цена");
    m_total->setDecimals(2);
    m_total->setRange(0, 999999999);
    m_total->setAccessibleName("обща стойност:");
    m_quantity->setDecimals(3);
    m_quantity->setRange(0, 999999999);
    m_quantity->setValue(quantity);
    m_quantity->setAccessibleName("количество:");
    m_removeVat->setToolTip("Отметнете, ако общата стойност съдържа ДДС, което да се извади от цената.");
    auto* form = new QFormLayout;
    form->addRow("обща стойност:", m_total);
    form->addRow("количество:", m_quantity);
    form->addRow("", m_removeVat);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetTabOrder({m_total, m_quantity, m_removeVat, buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    m_total->setFocus();
    m_total->selectAll();
}

double CPriceFromTotalDlg::Quantity() const {
    return m_quantity->value();
}

void CPriceFromTotalDlg::accept() {
    const std::optional<double> price =
        m_calculate(m_total->value(), m_quantity->value(), m_removeVat->isChecked());
    if (!price)
        return;
    m_price = *price;
    QDialog::accept();
}
