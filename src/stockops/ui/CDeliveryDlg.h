#pragma once

#include "stockops/DeliveryForm.h"

#include <QWidget>

class CSortListCtrl;
class CTarvoDoc;
class DecimalSpinBox;
class FormHost;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "TARVO - ДОСТАВКА": goods received from a supplier.
class CDeliveryDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    CDeliveryDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    DeliveryForm& Behaviour() { return m_form; }
    CSortListCtrl* List() const { return m_list; }
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }

private:
    QWidget* BuildHeader();
    QWidget* BuildSidePanel();
    void Show(int selectLine = -1);
    void NewDelivery();
    void Load();
    void ChooseSupplier();
    void AddLine();
    void ChangeLine();
    void DeleteLines();
    void Save();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    DeliveryForm m_form;
    CSortListCtrl* m_list;
    QLineEdit* m_number;
    QDateEdit* m_date;
    QLineEdit* m_supplier;
    QCheckBox* m_paid;
    QDateEdit* m_payDate;
    DecimalSpinBox* m_discount;
    QTreeWidget* m_totals;
    QLineEdit* m_invoiceNo;
    QLineEdit* m_givenBy;
    QLineEdit* m_receivedBy;
    QPushButton* m_load;
    QPushButton* m_newButton;
    QPushButton* m_choose;
    QPushButton* m_add;
    QPushButton* m_change;
    QPushButton* m_delete;
};
