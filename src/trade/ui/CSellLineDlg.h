#pragma once

#include "trade/SaleLineDialog.h"

#include <QDialog>

class DecimalSpinBox;
class PriceKindField;

// "количество и продажна цена": the quantity and price of a catalogue item on
// a sale, with "бърз избор на прод. цена" among the price kinds.
class CSellLineDlg : public QDialog {
    Q_OBJECT
public:
    CSellLineDlg(const SaleLineDialog::Request& request,
                 std::function<bool(const SaleLineDialog::Answer&)> accept, QWidget* parent = nullptr);

    SaleLineDialog::Answer Answer() const;
    // The menu's entries pick a kind.
    void ChooseKind(int kind);

protected:
    void accept() override;

private:
    std::function<bool(const SaleLineDialog::Answer&)> m_accept;
    DecimalSpinBox* m_quantity;
    PriceKindField* m_price;
};

class GuiSaleLineDialog : public SaleLineDialog {
public:
    explicit GuiSaleLineDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<Answer> AskLine(const Request& request,
                                  const std::function<bool(const Answer&)>& accept) override;

private:
    QWidget* m_parent;
};
