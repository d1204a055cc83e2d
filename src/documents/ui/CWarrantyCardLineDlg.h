#pragma once

#include "documents/WarrantyCardForm.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

// The line dialog of a warranty card: serial number, code (read-only),
// name, quantity, unit, months and notes; OK refuses empty required fields.
class CWarrantyCardLineDlg : public QDialog {
    Q_OBJECT
public:
    CWarrantyCardLineDlg(WarrantyLine line, const QStringList& units, Prompter& prompter,
                   QWidget* parent = nullptr);
    const WarrantyLine& Line() const { return m_line; }
    void accept() override;

    QLineEdit* Serial() const { return m_serial; }

private:
    WarrantyLine m_line;
    Prompter& m_prompter;
    QLineEdit* m_serial;
    QLineEdit* m_name;
    QSpinBox* m_quantity;
    QComboBox* m_units;
    QSpinBox* m_months;
    QLineEdit* m_notes;
};

class GuiWarrantyLineEditor : public WarrantyLineEditor {
public:
    GuiWarrantyLineEditor(Prompter& prompter, QWidget* parent) : m_prompter(prompter), m_parent(parent) {}
    bool EditLine(WarrantyLine& line, const QStringList& units) override;

private:
    Prompter& m_prompter;
    QWidget* m_parent;
};
