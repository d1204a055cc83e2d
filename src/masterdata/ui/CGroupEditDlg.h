#pragma once

#include "masterdata/GroupsEditor.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

// "създаване и редакция на група": a group's name and, when it is a
// subgroup, its parent chosen by a double click in the tree. OK checks the
// fields and hands them to save; the dialog closes only when that succeeds,
// so a refused name keeps everything as typed.
class CGroupEditDlg : public QDialog {
    Q_OBJECT
public:
    using Save = std::function<bool(const QString& name, int parentId)>;
    // A new group starts at the top level, with the group the user stood on
    // offered as parent (suggestedParent) should the box be ticked.
    CGroupEditDlg(GroupsEditor& editor, const Group& group, int suggestedParent, Save save,
                  QWidget* parent = nullptr);

    QString Name() const;
    int ParentId() const;

protected:
    void accept() override;

private:
    void ShowParent();

    GroupsEditor& m_editor;
    Group m_group;
    int m_parent;
    Save m_save;
    QLineEdit* m_name;
    QCheckBox* m_subgroup;
    QLabel* m_parentName;
};
