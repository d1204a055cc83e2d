#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class DecimalSpinBox;
class QCheckBox;

// "калкулиране на ед. цена": a total value over a quantity gives the unit
// price, with the VAT taken out first when asked.
class CPriceFromTotalDlg : public QDialog {
    Q_OBJECT
public:
    using Calculate = std::function<std::optional<double>(double total, double quantity, bool removeVat)>;
    CPriceFromTotalDlg(double quantity, double vatRate, Calculate calculate, QWidget* parent = nullptr);

    // The unit price once OK was accepted.
    double Price() const { return m_price; }
    double Quantity() const;

protected:
    void accept() override;

private:
    Calculate m_calculate;
    DecimalSpinBox* m_total;
    DecimalSpinBox* m_quantity;
    QCheckBox* m_removeVat;
    double m_price = 0;
};
