#include "db/DocumentNumbers.h"

#include "db/Database.h"

std::optional<int> NextDocumentNumber(Database& db, const char* table) {
    ResultTable result;
    if (!db.Query(result, "SELECT COALESCE(MAX(doc_id), 0) + 1 AS next_number FROM %s WHERE doc_id > 0;", table))
        return std::nullopt;
    return result.Int(1, 0, 1);
}

std::optional<int> FreeDocumentNumber(Database& db, const char* table, int wanted) {
    if (wanted <= 0)
        return NextDocumentNumber(db, table);
    ResultTable taken;
    if (!db.Query(taken, "SELECT doc_id FROM %s WHERE doc_id = ?;", table, wanted))
        return std::nullopt;
    return taken.Empty() ? std::optional<int>(wanted) : NextDocumentNumber(db, table);
}
