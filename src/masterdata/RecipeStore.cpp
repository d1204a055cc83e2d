#include "masterdata/RecipeStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

namespace {
std::optional<QStringList> firstColumn(const ResultTable& t, bool read) {
    if (!read)
        return std::nullopt;
    QStringList codes;
    for (int r = 1; r <= t.Rows(); ++r)
        codes << t.Text(r, 0);
    return codes;
}
} // namespace

bool RecipeStore::LoadComponents(const QString& owner, std::vector<ComponentLine>& lines) {
    lines.clear();
    ResultTable t;
    if (!m_db.Query(t,
                    "SELECT s.code, s.stock_name, s.units, ROUND(sc.quantity, 3) AS quantity, "
                    "ROUND(sc.randeman, 2) AS randeman FROM stocks AS s INNER JOIN (SELECT * FROM stocks_cmp "
                    "WHERE owner_code = ?) AS sc ON sc.code = s.code ORDER BY s.stock_name ASC;",
                    owner))
        return false;
    for (int r = 1; r <= t.Rows(); ++r)
        lines.push_back(
            {t.Text(r, 0, ""), t.Text(r, 1, ""), t.Text(r, 2, ""), t.Double(r, 3), t.Double(r, 4), 0});
    return true;
}

// A recipe's components come in the order of their codes (the order of the
// index the file reads them by), so every engine checks, costs and posts them
// alike.
std::optional<std::vector<RecipeStore::Part>> RecipeStore::Parts(const QString& owner) {
    ResultTable t;
    if (!m_db.Query(
            t,
            "SELECT code, ROUND(quantity, 3) AS quantity, randeman FROM stocks_cmp WHERE owner_code = ? "
            "ORDER BY code;",
            owner))
        return std::nullopt;
    std::vector<Part> parts;
    for (int r = 1; r <= t.Rows(); ++r)
        parts.push_back({t.Text(r, 0, ""), t.Double(r, 1), t.Double(r, 2)});
    return parts;
}

std::optional<std::vector<RecipeStore::CostPart>> RecipeStore::CostParts(const QString& owner, int places) {
    ResultTable t;
    if (!m_db.Query(
            t,
            "SELECT sc.code, ROUND(s.cost_price, ?) AS cost_price, ROUND(sc.quantity, 3) AS quantity, "
            "sc.randeman, s.is_dirty FROM stocks AS s INNER JOIN (SELECT code, quantity, randeman FROM "
            "stocks_cmp "
            "WHERE owner_code = ?) AS sc ON s.code = sc.code ORDER BY sc.code;",
            places, owner))
        return std::nullopt;
    std::vector<CostPart> parts;
    for (int r = 1; r <= t.Rows(); ++r)
        parts.push_back({t.Text(r, 0), t.Double(r, 1), t.Double(r, 2), t.Double(r, 3), t.Int(r, 4) != 0});
    return parts;
}

bool RecipeStore::ReadCost(const QString& code, std::optional<CostFields>& fields) {
    fields.reset();
    ResultTable t;
    if (!m_db.Query(t, "SELECT cost_price, work_costs, is_recipe, is_dirty FROM stocks WHERE code = ?;",
                    code))
        return false;
    if (!t.Empty())
        fields = CostFields{t.Double(1, 0), t.Double(1, 1), t.Int(1, 2) != 0, t.Int(1, 3) != 0};
    return true;
}

std::optional<QStringList> RecipeStore::Owners(const QString& code) {
    ResultTable t;
    return firstColumn(
        t, m_db.Query(
               t, "SELECT owner_code FROM stocks_cmp WHERE code = ? GROUP BY owner_code ORDER BY owner_code;",
               code));
}

std::optional<QStringList> RecipeStore::ComponentCodes(const QString& owner) {
    ResultTable t;
    return firstColumn(
        t, m_db.Query(t, "SELECT code FROM stocks_cmp WHERE owner_code = ? ORDER BY code;", owner));
}

int RecipeStore::Dirty(const QString& code) {
    return m_db.QueryInt(0, "SELECT is_dirty FROM stocks WHERE code = ?;", code);
}

bool RecipeStore::SetDirty(WriteTransaction& t, const QString& code, int flag) {
    return t.ExecPrintf("UPDATE stocks SET is_dirty = ? WHERE code = ?;", flag, code);
}

bool RecipeStore::SetCost(WriteTransaction& t, const QString& code, double cost) {
    return t.ExecPrintf("UPDATE stocks SET cost_price = ? WHERE code = ?;", SqlDecimal{cost, 5}, code);
}

bool RecipeStore::MarkAllDirty(WriteTransaction& t) {
    return t.Exec("UPDATE stocks SET is_dirty = '1' WHERE is_recipe = '1';");
}
