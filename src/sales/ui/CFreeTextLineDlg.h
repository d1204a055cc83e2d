#pragma once

#include "sales/FreeTextLineDialog.h"

#include <QDialog>

class DecimalSpinBox;
class QLineEdit;

// A free-text line of an invoice or note: code, name, unit, quantity and
// price as typed.
class CFreeTextLineDlg : public QDialog {
    Q_OBJECT
public:
    CFreeTextLineDlg(const FreeTextLineDialog::Line& initial,
                     std::function<bool(const FreeTextLineDialog::Line&)> accept, QWidget* parent = nullptr);

    FreeTextLineDialog::Line Line() const;

protected:
    void accept() override;

private:
    std::function<bool(const FreeTextLineDialog::Line&)> m_accept;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QLineEdit* m_units;
    DecimalSpinBox* m_quantity;
    DecimalSpinBox* m_price;
};

class GuiFreeTextLineDialog : public FreeTextLineDialog {
public:
    explicit GuiFreeTextLineDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<Line> AskFreeText(const Line& initial,
                                    const std::function<bool(const Line&)>& accept) override;

private:
    QWidget* m_parent;
};
