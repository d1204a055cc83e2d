#pragma once

#include "base/ui/GuiTextInput.h"
#include "net/NetworkFiscalRegister.h"
#include "sales/SellForm.h"

#include <QWidget>
#include <memory>

class CSortListCtrl;
class CTarvoDoc;
class DecimalSpinBox;
class FormHost;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;

// "Продажби и фактуриране": goods notes, invoices, pro-formas and notes.
class CSellDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    CSellDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);
    ~CSellDlg() override;

    SellForm& Behaviour() { return m_form; }
    CSortListCtrl* List() const { return m_list; }
    QMenu* NewOperationMenu() const { return m_newMenu; }
    QMenu* LoadMenu() const { return m_loadMenu; }
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }

private:
    QWidget* BuildHeader();
    QWidget* BuildTotals();
    void BuildMenus();
    void Show(int selectLine = -1);
    void NewOperation(SaleOp op);
    void Load(DocumentKind kind);
    void ChooseCustomer();
    void AddLine();
    void ChangeLine();
    void DeleteLines();
    void EditDetails();
    // After a refused save or print the focus goes where the fix is made.
    void FocusRefusedField();
    void Save();
    void Print(bool original);
    void IssueFiscalReceipt();
    void ShowCollectiveColumns();
    void PopUp(QMenu* menu, QWidget* under);

    CTarvoDoc& m_doc;
    FormHost& m_host;
    // Cash sales go to the fiscal device once saved.
    GuiTextInput m_textInput;
    NetworkFiscalRegister m_fiscal;
    SellForm m_form;
    QLabel* m_fiscalMark;
    QLabel* m_caption;
    QDateEdit* m_date;
    QLineEdit* m_number;
    QLineEdit* m_customer;
    DecimalSpinBox* m_discount;
    CSortListCtrl* m_list;
    QTreeWidget* m_totals;
    QLineEdit* m_words;
    QMenu* m_newMenu;
    QMenu* m_loadMenu;
    QMenu* m_addMenu;
    QMenu* m_saveMenu;
    QPushButton* m_add;
    QPushButton* m_change;
    QPushButton* m_delete;
    QPushButton* m_newButton;
    QPushButton* m_loadButton;
    QPushButton* m_saveButton;
    QPushButton* m_customerButton;
    QPushButton* m_detailsButton;
};
