#pragma once

#include "masterdata/Group.h"

#include <QSet>
#include <vector>

class Database;

// A group with its subgroups, each level in name order.
struct GroupNode {
    Group group;
    std::vector<GroupNode> children;
};

// The whole tree: the top-level groups and, under each, its children. False
// when a read failed (reported); the tree then holds what was read.
bool LoadGroupTree(Database& db, std::vector<GroupNode>& roots);

// The ids of a group and all groups below it.
QSet<int> SubtreeIds(const std::vector<GroupNode>& roots, int groupId);
// Every id in the tree.
QSet<int> AllIds(const std::vector<GroupNode>& roots);

// The ticks of the group filter "филтриране по групи". The filter is active
// while any group is ticked; an item then passes only when its own group is.
class GroupFilter {
public:
    bool Active() const { return !m_ticked.isEmpty(); }
    bool Passes(int groupId) const { return !Active() || m_ticked.contains(groupId); }
    bool IsTicked(int groupId) const { return m_ticked.contains(groupId); }
    // Ticks or clears a group; with subgroups, every group below it too.
    void SetTicked(const std::vector<GroupNode>& roots, int groupId, bool ticked, bool withSubgroups);
    void TickAll(const std::vector<GroupNode>& roots) { m_ticked = AllIds(roots); }
    void Clear() { m_ticked.clear(); }

private:
    QSet<int> m_ticked;
};
