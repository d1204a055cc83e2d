#pragma once

#include "masterdata/UnitsEditor.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// "мерни единици": the units of measure.
class CUnitsEditorDlg : public QDialog {
    Q_OBJECT
public:
    CUnitsEditorDlg(Database& db, Prompter& prompter, QWidget* parent = nullptr);

private:
    void Show();
    QString Selected() const;

    UnitsEditor m_editor;
    QListWidget* m_list;
    QLineEdit* m_edit;
    QPushButton* m_save;
    QPushButton* m_delete;
};
