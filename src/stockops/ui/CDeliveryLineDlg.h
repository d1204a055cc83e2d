#pragma once

#include "stockops/DeliveryLineDialog.h"

#include <QDialog>

class DecimalSpinBox;
class QCheckBox;
class QLineEdit;

// "артикул": the quantity and unit delivery price of an item; "с вкл. ДДС"
// shows the price with VAT, which then becomes the line's price.
class CDeliveryLineDlg : public QDialog {
    Q_OBJECT
public:
    CDeliveryLineDlg(DeliveryLineDialog::Request request,
                     std::function<bool(const DeliveryLineDialog::Answer&)> accept,
                     QWidget* parent = nullptr);

    DeliveryLineDialog::Answer Answer() const;
    // "калкулиране на ед. цена от обща стойност".
    void CalculatePrice();

protected:
    void accept() override;

private:
    void ShowPriceWithVat();

    DeliveryLineDialog::Request m_request;
    std::function<bool(const DeliveryLineDialog::Answer&)> m_accept;
    DecimalSpinBox* m_quantity;
    DecimalSpinBox* m_price;
    QCheckBox* m_withVat;
    QLineEdit* m_priceWithVat;
};

class GuiDeliveryLineDialog : public DeliveryLineDialog {
public:
    explicit GuiDeliveryLineDialog(QWidget* parent) : m_parent(parent) {}
    std::optional<Answer> AskLine(const Request& request,
                                  const std::function<bool(const Answer&)>& accept) override;

private:
    QWidget* m_parent;
};
