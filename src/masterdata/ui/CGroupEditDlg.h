#pragma once

#include "masterdata/GroupsEditor.h"

#include <QDialog>

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
