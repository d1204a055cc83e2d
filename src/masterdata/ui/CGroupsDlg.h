#pragma once

#include "masterdata/GroupsEditor.h"

#include <QDialog>

class GroupTreeWidget;

// "номенклатура на групите": the tree of groups with create, change, delete.
class CGroupsDlg : public QDialog {
    Q_OBJECT
public:
    CGroupsDlg(Database& db, Prompter& prompter, QWidget* parent = nullptr);

private:
    void Reload();
    void Create();
    void Change();
    void Delete();

    GroupsEditor m_editor;
    GroupTreeWidget* m_tree;
};
