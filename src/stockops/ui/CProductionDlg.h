#pragma once

#include "stockops/ProductionForm.h"

#include <QWidget>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// "TARVO - ИЗРАБОТВАНЕ НА ИЗДЕЛИЯ ПО РЕЦЕПТИ": products made from materials.
class CProductionDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    CProductionDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    ProductionForm& Behaviour() { return m_form; }
    CSortListCtrl* Products() const { return m_products; }
    CSortListCtrl* Materials() const { return m_materials; }
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }

private:
    QWidget* BuildHeader();
    void Show(int selectLine = -1);
    void AddProduct();
    void ChangeQuantity();
    void RemoveProduct();
    void Print();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    ProductionForm m_form;
    CSortListCtrl* m_products;
    CSortListCtrl* m_materials;
    QLineEdit* m_number;
    QDateEdit* m_date;
    QComboBox* m_operator;
    QPushButton* m_load;
    QPushButton* m_new;
    QPushButton* m_add;
    QPushButton* m_change;
    QPushButton* m_remove;
};
