#pragma once

#include "masterdata/GroupsEditor.h"
#include "masterdata/ItemForm.h"

#include <QDialog>

class GroupTreeWidget;
class QCheckBox;
class QLabel;
class QLineEdit;

// "създаване и редакция на група": a group's name and, when it is a
// subgroup, its parent chosen by a double click in the tree.
class CGroupEditDlg : public QDialog {
    Q_OBJECT
public:
    CGroupEditDlg(GroupsEditor& editor, const Group& group, QWidget* parent = nullptr);

    QString Name() const;
    int ParentId() const;

protected:
    void accept() override;

private:
    GroupsEditor& m_editor;
    Group m_group;
    int m_parent;
    QLineEdit* m_name;
    QCheckBox* m_subgroup;
    QLabel* m_parentName;
};

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

// The group tree the item dialogs open to choose a group.
class GuiGroupChooser : public GroupChooser {
public:
    GuiGroupChooser(Database& db, Prompter& prompter, QWidget* parent)
        : m_db(db), m_prompter(prompter), m_parent(parent) {}
    std::optional<int> ChooseGroup(int currentGroup) override;

private:
    Database& m_db;
    Prompter& m_prompter;
    QWidget* m_parent;
};
