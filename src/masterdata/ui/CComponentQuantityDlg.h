#pragma once

#include "masterdata/Recipe.h"

#include <QDialog>

class DecimalSpinBox;

// The quantity of a recipe component and its extra consumption.
class CComponentQuantityDlg : public QDialog {
    Q_OBJECT
public:
    CComponentQuantityDlg(const QString& units, double quantity, double randeman, Prompter& prompter,
                          QWidget* parent = nullptr);
    double Quantity() const;
    double Randeman() const;

protected:
    void accept() override;

private:
    Prompter& m_prompter;
    DecimalSpinBox* m_quantity;
    DecimalSpinBox* m_randeman;
};

class GuiQuantityInput : public QuantityInput {
public:
    GuiQuantityInput(Prompter& prompter, QWidget* parent) : m_prompter(prompter), m_parent(parent) {}
    std::optional<std::pair<double, double>> AskQuantity(const QString& units, double quantity,
                                                         double randeman) override;

private:
    Prompter& m_prompter;
    QWidget* m_parent;
};
