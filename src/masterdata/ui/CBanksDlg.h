#pragma once

#include "base/Sleeper.h"
#include "masterdata/BanksEditor.h"

#include <QDialog>

class CTarvoDoc;
class CSortListCtrl;
class QLineEdit;
class QPushButton;

// "номенклатура на банките": the firm's bank accounts.
class CBanksDlg : public QDialog {
    Q_OBJECT
public:
    CBanksDlg(CTarvoDoc& doc, Prompter& prompter, QWidget* parent = nullptr);

    BanksEditor& Behaviour() { return m_editor; }

private:
    void Show();
    void ShowFields();
    void StartEditing();
    void Save();
    void Delete();
    int SelectedId() const;

    ThreadSleeper m_sleeper;
    BanksEditor m_editor;
    CSortListCtrl* m_list;
    QLineEdit* m_name;
    QLineEdit* m_branch;
    QLineEdit* m_code;
    QLineEdit* m_account;
    QPushButton* m_save;
    QPushButton* m_edit;
    QPushButton* m_delete;
};
