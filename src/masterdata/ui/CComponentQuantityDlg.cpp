#include "masterdata/ui/CComponentQuantityDlg.h"

#include "base/ui/DecimalSpinBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

CComponentQuantityDlg::CComponentQuantityDlg(const QString& units, double quantity, double randeman,
                                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_quantity(new DecimalSpinBox(this)),
      m_randeman(new DecimalSpinBox(this)) {
    setWindowTitle("количество");
    m_quantity->setDecimals(3);
    m_quantity->setRange(-999999999, 999999999);
    m_quantity->setValue(quantity);
    m_randeman->setDecimals(2);
    m_randeman->setRange(0, 999.99);
    m_randeman->setValue(randeman);
    auto* form = new QFormLayout;
    form->addRow("К-ВО: (" + units + ")", m_quantity);
    form->addRow("НАДМЕРКА %", m_randeman);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_quantity->setFocus();
    m_quantity->selectAll();
}

double CComponentQuantityDlg::Quantity() const {
    return m_quantity->value();
}

double CComponentQuantityDlg::Randeman() const {
    return m_randeman->value();
}

void CComponentQuantityDlg::accept() {
    if (ValidComponentQuantity(Quantity(), m_prompter))
        QDialog::accept();
}

std::optional<std::pair<double, double>> GuiQuantityInput::AskQuantity(const QString& units, double quantity,
                                                                       double randeman) {
    CComponentQuantityDlg dialog(units, quantity, randeman, m_prompter, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::make_pair(dialog.Quantity(), dialog.Randeman());
}
