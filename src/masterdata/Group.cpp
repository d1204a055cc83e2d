#include "masterdata/Group.h"

#include "db/Database.h"

bool LoadGroup(Database& db, int id, Group& record) {
    record = Group{id, "-", 0};
    ResultTable table;
    if (!db.Query(table, "SELECT * FROM groups WHERE id = ?;", id))
        return false;
    if (table.Empty() || table.Columns() < 3)
        return false;
    record.id = table.Int(1, 0);
    record.name = table.Text(1, 1, "");
    record.parentId = table.Int(1, 2);
    return true;
}

QString GetGroupName(Database& db, int id) {
    return db.QueryText("-", "SELECT name FROM groups WHERE id = ?;", id);
}
