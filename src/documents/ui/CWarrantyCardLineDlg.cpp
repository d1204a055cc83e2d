#include "documents/ui/CWarrantyCardLineDlg.h"

#include "base/Prompter.h"
#include "base/ui/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

CWarrantyCardLineDlg::CWarrantyCardLineDlg(WarrantyLine line, const QStringList& units, Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent), m_line(std::move(line)), m_prompter(prompter) {
    setWindowTitle("артикул в гаранционната карта");
    m_serial = new QLineEdit(m_line.serial);
    auto* code = new QLineEdit(m_line.code);
    code->setReadOnly(true);
    code->setFocusPolicy(Qt::NoFocus);
    m_name = new QLineEdit(m_line.name);
    m_quantity = new QSpinBox;
    m_quantity->setRange(0, 999999);
    m_quantity->setValue(m_line.quantity);
    m_units = new QComboBox;
    m_units->setEditable(true);
    m_units->addItems(units);
    m_units->setCurrentText(m_line.units);
    m_months = new QSpinBox;
    m_months->setRange(0, 999);
    m_months->setValue(m_line.months);
    m_notes = new QLineEdit(m_line.notes);

    auto* form = new QFormLayout;
    form->addRow("сериен номер:", m_serial);
    form->addRow("ном. код:", code);
    form->addRow("наименование на артикула:", m_name);
    form->addRow("количество:", m_quantity);
    form->addRow("мярка:", m_units);
    form->addRow("в гаранция за (мес.):", m_months);
    form->addRow("забележки:", m_notes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(this));
    setMinimumWidth(480);
    m_serial->setFocus();
}

void CWarrantyCardLineDlg::accept() {
    WarrantyLine edited = m_line;
    edited.serial = m_serial->text().trimmed();
    edited.name = m_name->text().trimmed();
    edited.quantity = m_quantity->value();
    edited.units = m_units->currentText().trimmed();
    edited.months = m_months->value();
    edited.notes = m_notes->text().trimmed();
    const QString problem = WarrantyCardForm::LineProblem(edited);
    if (!problem.isEmpty()) {
        m_prompter.Message(problem, MessageIcon::Exclamation);
        return;
    }
    m_line = edited;
    QDialog::accept();
}

bool GuiWarrantyLineEditor::EditLine(WarrantyLine& line, const QStringList& units) {
    CWarrantyCardLineDlg dialog(line, units, m_prompter, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    line = dialog.Line();
    return true;
}
