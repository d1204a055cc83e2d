#pragma once

#include "masterdata/Group.h"

#include <optional>
#include <vector>

class Database;
class WriteTransaction;

// The statements of the `groups` table. Every write goes through the change
// it is given, which also holds the checks that guard it.
class GroupStore {
public:
    explicit GroupStore(Database& db) : m_db(db) {}

    // True when found; when missing, false with name "-" and parent 0.
    bool Load(int id, Group& record);
    // "-" when missing or unreadable.
    QString Name(int id);
    // The groups right under a parent (0: the top level), in name order.
    bool Children(int parentId, std::vector<Group>& out);

    // Whether the parent already has a group of this name; nothing when unreadable.
    std::optional<bool> NameTaken(int parentId, const QString& name);
    // Whether subgroups or items still use the group; nothing when unreadable.
    std::optional<bool> InUse(int id);
    // The new group's id.
    std::optional<int> Insert(WriteTransaction& t, const QString& name, int parentId);
    bool Update(WriteTransaction& t, int id, const QString& name, int parentId);
    bool Delete(WriteTransaction& t, int id);

private:
    Database& m_db;
};
