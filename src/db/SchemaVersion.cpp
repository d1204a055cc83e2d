#include "db/SchemaVersion.h"

#include "db/Database.h"
#include "db/DbResult.h"

int GetSchemaVersion(Database& db) {
    ResultTable table;
    // A file older than version 9 has no settings row: not an error here.
    DbResult result =
        db.QueryWithRetry("SELECT key_value FROM settings WHERE key_name = 'dbversion';", table);
    if (result.Ok() && !table.Empty())
        return table.Int(1, 0, 14);
    // A busy file is reported as busy after one retry period, not two.
    if (result.code == DbCode::kBusy) {
        db.ReportDbError(result);
        return kSchemaVersionBusy;
    }
    result = db.QueryWithRetry("SELECT * FROM version;", table);
    if (result.Failed()) {
        db.ReportDbError(result);
        return 0;
    }
    if (!table.Empty())
        return table.Int(1, 0, 14);
    // An empty version table marks a file of the first format.
    return 1;
}
