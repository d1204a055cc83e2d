#pragma once

#include "stockops/RequestLineDialog.h"

#include <QDialog>

class DecimalSpinBox;
class PriceKindField;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "количество и цена": quantity, supplier's code, price and note of a line
// of a supplier request.
class CRequestLineDlg : public QDialog {
    Q_OBJECT
public:
    CRequestLineDlg(const RequestLineDialog::Request& request,
                    std::function<RequestLineDialog::Refusal(const RequestLineDialog::Answer&)> accept,
                    QWidget* parent = nullptr);

    RequestLineDialog::Answer Answer() const;
    // The entries of "бърз избор на цена" pick a kind.
    void ChooseKind(int kind);
    QCheckBox* UseSupplierCode() const { return m_useCode; }
    QComboBox* SupplierCodes() const { return m_codes; }
    DecimalSpinBox* Quantity() const { return m_quantity; }

protected:
    void accept() override;

private:
    std::function<RequestLineDialog::Refusal(const RequestLineDialog::Answer&)> m_accept;
    bool m_withPrices;
    QCheckBox* m_useCode;
    QComboBox* m_codes;
    DecimalSpinBox* m_quantity;
    PriceKindField* m_price;
    QLineEdit* m_notes;
};

class GuiRequestLineDialog : public RequestLineDialog {
public:
    explicit GuiRequestLineDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<Answer> AskLine(const Request& request,
                                  const std::function<Refusal(const Answer&)>& accept) override;

private:
    QWidget* m_parent;
};
