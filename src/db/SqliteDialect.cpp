#include "db/SqlDialect.h"

namespace {

class Sqlite : public SqlDialect {
public:
    SqlStatement CountTables(const QString& table) const override {
        return SqlCompose("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?;", {table});
    }
    SqlStatement ListTables() const override {
        return "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE "
               "'\\' "
               "ORDER BY rowid;";
    }
    SqlStatement CountColumns(const QString& table, const QString& column) const override {
        return SqlCompose("SELECT COUNT(*) FROM pragma_table_info(?) WHERE name = ?;", {table, column});
    }
    SqlStatement LikeCondition(const char* column) const override {
        return SqlStatement(QByteArray(column) + " LIKE ?");
    }
    SqlStatement Compact() const override { return "VACUUM;"; }
    SqlStatement RowId() const override { return "rowid"; }
    SqlStatement BeginWrite() const override { return "BEGIN IMMEDIATE;"; }
    SqlStatement CreateTable(const QByteArray& definition) const override { return definition; }
    SqlStatement CreateIndex(const QByteArray& definition) const override { return definition; }
    SqlStatement SchemaPreamble() const override { return SqlStatement(); }
    SqlStatement BeginSnapshot() const override { return "BEGIN;"; }
    SqlStatement OtherSeats() const override { return "SELECT 0 AS seats;"; }
    // The bytes of the text, which no column affinity converts.
    SqlStatement VerbatimText(const QString& text) const override { return SqlCompose("CAST(? AS BLOB)", {text}); }
};

} // namespace

const SqlDialect& SqliteDialect() {
    static const Sqlite dialect;
    return dialect;
}
