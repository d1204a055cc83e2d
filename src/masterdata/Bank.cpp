#include "masterdata/Bank.h"

#include "db/Database.h"

void LoadBank(Database& db, int id, Bank& record) {
    record = Bank();
    ResultTable table;
    if (!db.Query(table, "SELECT * FROM banks WHERE id = ?;", id))
        return;
    if (table.Empty() || table.Columns() < 5)
        return;
    record.id = table.Int(1, 0);
    record.name = table.Text(1, 1, "");
    record.branch = table.Text(1, 2, "");
    record.code = table.Text(1, 3, "");
    record.account = table.Text(1, 4, "");
}
