#include "db/SqlDialect.h"

namespace {

class Sqlite : public SqlDialect {
public:
    SqlStatement CountTables(const QString& table) const override {
        return SqlCompose("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?;", {table});
    }
    SqlStatement CaseBlindLike() const override { return "LIKE"; }
    SqlStatement Compact() const override { return "VACUUM;"; }
};

} // namespace

const SqlDialect& SqliteDialect() {
    static const Sqlite dialect;
    return dialect;
}
