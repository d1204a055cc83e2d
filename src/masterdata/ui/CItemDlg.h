#pragma once

#include "masterdata/ItemForm.h"
#include "masterdata/ui/GuiGroupChooser.h"

#include <QDialog>

class CSortListCtrl;
class CTarvoDoc;
class DecimalSpinBox;
class FormHost;
class LocalSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The two item dialogs: "създаване / редактиране на стоки и материали" for
// goods, and "създаване / редактиране на изделия и услуги" for products and
// services.
class CItemDlg : public QDialog {
    Q_OBJECT
public:
    CItemDlg(ItemForm& form, CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    ItemForm::Fields Fields() const;

protected:
    void accept() override;

private:
    void ChooseGroup();
    void ChooseType(ItemForm::RecipeType type);
    void Focus(ItemForm::Field field);
    QWidget* BuildRecipePart();
    void ShowComponents();
    void FitComponentColumns();
    void PrintRecipe();
    void OpenPartnerValues(bool codes);

    ItemForm& m_form;
    CTarvoDoc& m_doc;
    FormHost& m_host;
    Database& m_db;
    Prompter& m_prompter;
    LocalSettings& m_settings;
    GuiGroupChooser m_groups;
    RecipeEditor m_recipe;
    CSortListCtrl* m_components = nullptr;
    std::vector<QWidget*> m_recipeButtons;
    int m_group;
    ItemForm::RecipeType m_type;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QLineEdit* m_groupName;
    QComboBox* m_units;
    DecimalSpinBox* m_minQuantity;
    DecimalSpinBox* m_price1;
    DecimalSpinBox* m_price2;
    DecimalSpinBox* m_cost;
    DecimalSpinBox* m_lastPrice = nullptr;
    DecimalSpinBox* m_workCosts = nullptr;
    QCheckBox* m_material = nullptr;
    QCheckBox* m_hidden;
    QPushButton* m_typeButton = nullptr;
};
