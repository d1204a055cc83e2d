#pragma once

#include "masterdata/GroupTree.h"

#include <QTreeWidget>

// The tree of groups as every group dialog shows it, each node carrying its
// group id; with check boxes for the group filter.
class GroupTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit GroupTreeWidget(bool checkable, QWidget* parent = nullptr);

    void Fill(const std::vector<GroupNode>& roots);
    // The id of the current node, 0 when none.
    int CurrentGroup() const;
    void SelectGroup(int groupId);
    // Sets the check of every node from the predicate.
    void SetChecks(const std::function<bool(int)>& ticked);
    QTreeWidgetItem* ItemOf(int groupId) const;

    static int IdOf(const QTreeWidgetItem* item);

private:
    void Add(QTreeWidgetItem* parent, const std::vector<GroupNode>& nodes);
    bool m_checkable;
};
