#pragma once

#include "stockops/RequestForm.h"

#include <QWidget>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// "TARVO - ЗАЯВКИ": a request to a supplier, its lines, and its printout.
class CRequestDlg : public QWidget, public DocumentForm {
    Q_OBJECT
public:
    CRequestDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    RequestForm& Behaviour() { return m_form; }
    bool HasUnsavedChanges() const override { return m_form.HasUnsavedChanges(); }
    CSortListCtrl* List() const { return m_list; }
    QMenu* NewMenu() const { return m_newMenu; }
    QMenu* ExtraMenu() const { return m_extraMenu; }
    QComboBox* Carrier() const { return m_carrier; }
    QLabel* TotalCaption() const { return m_totalCaption; }
    QLineEdit* Total() const { return m_total; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }

    void New(bool withPrices);
    void Load();
    void ChooseSupplier();
    void AddLine();
    void EditLine();
    void DeleteLine();
    void SaveAndPrint();
    void Print();
    void SetCurrency(const QString& code);
    void ExportCsv();

private:
    QWidget* BuildHeader();
    void BuildMenus(QPushButton* newButton, QPushButton* extraButton);
    void Show(int selectLine = -1);
    void ShowTotal();
    void UpdateButtons();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    RequestForm m_form;
    CSortListCtrl* m_list;
    QMenu* m_newMenu = nullptr;
    QMenu* m_extraMenu = nullptr;
    QActionGroup* m_languages = nullptr;
    QActionGroup* m_currencies = nullptr;
    QLineEdit* m_number = nullptr;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_supplier = nullptr;
    QLineEdit* m_preparedBy = nullptr;
    QComboBox* m_carrier = nullptr;
    QCheckBox* m_completed = nullptr;
    QLineEdit* m_notes = nullptr;
    QLabel* m_totalCaption = nullptr;
    QLineEdit* m_total = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
};
