#pragma once

#include "masterdata/GroupTree.h"

class Database;
class Prompter;

// What the group editor "номенклатура на групите" and its edit dialog do.
class GroupsEditor {
public:
    GroupsEditor(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    const std::vector<GroupNode>& Tree() const { return m_tree; }
    bool Reload() { return LoadGroupTree(m_db, m_tree); }

    // The checks of the edit dialog's OK, in order; groupId 0 for a new group,
    // parentId 0 when the subgroup box is not ticked.
    bool Validate(int groupId, const QString& name, bool subgroup, int parentId);
    // A new group; refused when its parent has a child of that name. The
    // new group's id goes to newId.
    bool Create(const QString& name, int parentId, int* newId = nullptr);
    bool Update(int groupId, const QString& name, int parentId);
    // After asking; refused while it has subgroups or items.
    bool Delete(int groupId);

    // The group's name after those of its parents ("Кабели › Силови"), so a
    // parent is never mistaken for a namesake elsewhere; empty when unknown.
    QString PathOf(int groupId) const;

private:
    Database& m_db;
    Prompter& m_prompter;
    std::vector<GroupNode> m_tree;
};
