#include "masterdata/GroupStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

bool GroupStore::Load(int id, Group& record) {
    record = Group{id, "-", 0};
    ResultTable table;
    if (!m_db.Query(table, "SELECT id, name, parent_id FROM groups WHERE id = ?;", id) || table.Empty())
        return false;
    record = Group{table.Int(1, 0), table.Text(1, 1, ""), table.Int(1, 2)};
    return true;
}

QString GroupStore::Name(int id) {
    return m_db.QueryText("-", "SELECT name FROM groups WHERE id = ?;", id);
}

bool GroupStore::Children(int parentId, std::vector<Group>& out) {
    out.clear();
    ResultTable table;
    if (!m_db.Query(table, "SELECT id, name, parent_id FROM groups WHERE parent_id = ? ORDER BY name ASC;",
                    parentId))
        return false;
    for (int r = 1; r <= table.Rows(); ++r)
        out.push_back({table.Int(r, 0), table.Text(r, 1, ""), table.Int(r, 2)});
    return true;
}

std::optional<bool> GroupStore::NameTaken(int parentId, const QString& name) {
    ResultTable table;
    if (!m_db.Query(table, "SELECT id FROM groups WHERE parent_id = ? AND name = ?;", parentId, name))
        return std::nullopt;
    return !table.Empty();
}

std::optional<bool> GroupStore::InUse(int id) {
    ResultTable users;
    if (!m_db.Query(users,
                    "SELECT (SELECT COUNT(*) FROM groups WHERE parent_id = ?) AS subgroups, "
                    "(SELECT COUNT(code) FROM stocks WHERE stock_group = ?) AS items;",
                    id, id) ||
        users.Empty())
        return std::nullopt;
    return users.Int(1, 0) > 0 || users.Int(1, 1) > 0;
}

std::optional<int> GroupStore::Insert(WriteTransaction& t, const QString& name, int parentId) {
    const std::optional<long long> id = t.InsertReturning(
        SqlCompose("INSERT INTO groups (name, parent_id) VALUES (?, ?) RETURNING id;", {name, parentId}));
    if (!id)
        return std::nullopt;
    return static_cast<int>(*id);
}

bool GroupStore::Update(WriteTransaction& t, int id, const QString& name, int parentId) {
    return t.ExecPrintf("UPDATE groups SET name = ?, parent_id = ? WHERE id = ?;", name, parentId, id);
}

bool GroupStore::Delete(WriteTransaction& t, int id) {
    return t.ExecPrintf("DELETE FROM groups WHERE id = ?;", id);
}
