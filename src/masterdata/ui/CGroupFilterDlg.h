#pragma once

#include "masterdata/GroupTree.h"

#include <QDialog>

class GroupTreeWidget;
class QCheckBox;

// "филтриране по групи": ticks the groups a list shows. The caller keeps the
// filter between openings; Apply accepts the dialog.
class CGroupFilterDlg : public QDialog {
    Q_OBJECT
public:
    CGroupFilterDlg(const std::vector<GroupNode>& tree, GroupFilter& filter, QWidget* parent = nullptr);

private:
    const std::vector<GroupNode>& m_tree;
    GroupFilter& m_filter;
    GroupFilter m_editing;
    GroupTreeWidget* m_groups;
    QCheckBox* m_withSubgroups;
};
