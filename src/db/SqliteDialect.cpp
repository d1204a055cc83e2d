#include "db/SqlDialect.h"

namespace {

class Sqlite : public SqlDialect {
public:
    SqlStatement CountTables(const QString& table) const override {
        return SqlCompose("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?;", {table});
    }
    SqlStatement CountColumns(const QString& table, const QString& column) const override {
        return SqlCompose("SELECT COUNT(*) FROM pragma_table_info(?) WHERE name = ?;", {table, column});
    }
    SqlStatement CaseBlindLike() const override { return "LIKE"; }
    SqlStatement Compact() const override { return "VACUUM;"; }
    SqlStatement RowId() const override { return "rowid"; }
};

} // namespace

const SqlDialect& SqliteDialect() {
    static const Sqlite dialect;
    return dialect;
}
