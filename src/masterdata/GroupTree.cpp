#include "masterdata/GroupTree.h"

#include "masterdata/GroupStore.h"

namespace {

// Depth of the tree a stored file can hold: a parent loop written by an old
// version must not recurse for ever.
constexpr int kMaxDepth = 64;

bool loadChildren(Database& db, int parentId, std::vector<GroupNode>& out, int depth) {
    std::vector<Group> children;
    if (!GroupStore(db).Children(parentId, children))
        return false;
    for (Group& child : children) {
        GroupNode node{std::move(child), {}};
        if (depth < kMaxDepth && node.group.id != parentId &&
            !loadChildren(db, node.group.id, node.children, depth + 1))
            return false;
        out.push_back(std::move(node));
    }
    return true;
}

const GroupNode* find(const std::vector<GroupNode>& nodes, int id) {
    for (const GroupNode& node : nodes) {
        if (node.group.id == id)
            return &node;
        if (const GroupNode* below = find(node.children, id))
            return below;
    }
    return nullptr;
}

void collect(const std::vector<GroupNode>& nodes, QSet<int>& ids) {
    for (const GroupNode& node : nodes) {
        ids.insert(node.group.id);
        collect(node.children, ids);
    }
}

} // namespace

bool LoadGroupTree(Database& db, std::vector<GroupNode>& roots) {
    roots.clear();
    return loadChildren(db, 0, roots, 0);
}

QSet<int> SubtreeIds(const std::vector<GroupNode>& roots, int groupId) {
    QSet<int> ids;
    if (const GroupNode* node = find(roots, groupId)) {
        ids.insert(groupId);
        collect(node->children, ids);
    }
    return ids;
}

QSet<int> AllIds(const std::vector<GroupNode>& roots) {
    QSet<int> ids;
    collect(roots, ids);
    return ids;
}

void GroupFilter::SetTicked(const std::vector<GroupNode>& roots, int groupId, bool ticked,
                            bool withSubgroups) {
    const QSet<int> ids = withSubgroups ? SubtreeIds(roots, groupId) : QSet<int>{groupId};
    for (int id : ids) {
        if (ticked)
            m_ticked.insert(id);
        else
            m_ticked.remove(id);
    }
}
