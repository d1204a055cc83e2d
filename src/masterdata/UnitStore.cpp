#include "masterdata/UnitStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

bool UnitStore::All(QStringList& units) {
    units.clear();
    ResultTable table;
    if (!m_db.Query(table, "SELECT unit FROM units ORDER BY unit ASC;"))
        return false;
    for (int r = 1; r <= table.Rows(); ++r)
        units << table.Text(r, 0, "");
    return true;
}

std::optional<int> UnitStore::ItemsUsing(const QString& unit) {
    ResultTable table;
    if (!m_db.Query(table, "SELECT COUNT(*) FROM stocks WHERE units = ?;", unit) || table.Empty())
        return std::nullopt;
    return table.Int(1, 0);
}

bool UnitStore::Add(WriteTransaction& t, const QString& unit) {
    return t.ExecPrintf("INSERT INTO units VALUES (?) ON CONFLICT (unit) DO NOTHING;", unit);
}

bool UnitStore::Rename(WriteTransaction& t, const QString& from, const QString& to) {
    return t.ExecPrintf("UPDATE units SET unit = ? WHERE unit = ?;", to, from) &&
           t.ExecPrintf("UPDATE stocks SET units = ? WHERE units = ?;", to, from);
}

bool UnitStore::Delete(WriteTransaction& t, const QString& unit) {
    return t.ExecPrintf("DELETE FROM units WHERE unit = ?;", unit);
}

bool UnitStore::Replace(WriteTransaction& t, const QString& unit, const QString& by) {
    return Delete(t, unit) && t.ExecPrintf("UPDATE stocks SET units = ? WHERE units = ?;", by, unit);
}
