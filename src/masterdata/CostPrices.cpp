#include "masterdata/CostPrices.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/StockSettings.h"

#include <QSet>

namespace {

// The items on the current path of a recursion: stored data written by old
// versions may hold a cycle, which must end the descent instead of looping.
using Path = QSet<QString>;

// Every write of a roll-up or a marking goes through one change: a failed
// write rolls it back, the later writes are refused, and the change reports
// failure when it ends, so nothing is left half-marked.
double costPrice(WriteTransaction& t, Database& db, const QString& code, Path& path);

void markDependents(WriteTransaction& t, Database& db, const QString& code, Path& marked);

void setDirty(WriteTransaction& t, Database& db, const QString& code, int flag, Path& marked) {
    if (!t.ExecPrintf("UPDATE stocks SET is_dirty = ? WHERE code = ?;", flag, code))
        return;
    if (flag == 1)
        markDependents(t, db, code, marked);
}

void markDependents(WriteTransaction& t, Database& db, const QString& code, Path& marked) {
    if (marked.contains(code) || !t.Active())
        return;
    marked.insert(code);
    ResultTable owners;
    if (!db.Query(owners, "SELECT owner_code FROM stocks_cmp WHERE code = ? GROUP BY owner_code;", code))
        return;
    for (int r = 1; r <= owners.Rows(); ++r) {
        const QString owner = owners.Text(r, 0);
        if (owner == code) {
            db.Inform(
                "Програмата откри сериозна грешка в една от разходните норми:\nАртикулът с код '" + code +
                    "' не може да бъде компонент на самия себе си или на друг артикул - компонент на тази "
                    "рецепта.",
                MessageIcon::Stop);
            return;
        }
        setDirty(t, db, owner, 1, marked);
    }
}

// Recomputes a dirty recipe from its components and stores the new cost.
double rollUp(WriteTransaction& t, Database& db, const QString& code, double oldCost, double workCosts,
              Path& path) {
    const int precision = GetPricePrecision();
    ResultTable components;
    if (!db.Query(components,
                  "SELECT sc.code, ROUND(s.cost_price, ?), ROUND(sc.quantity, 3), sc.randeman, s.is_dirty "
                  "FROM stocks AS s "
                  "INNER JOIN (SELECT code, quantity, randeman FROM stocks_cmp WHERE owner_code = ?) AS "
                  "sc ON s.code = "
                  "sc.code;",
                  precision, code)) {
        t.Rollback();
        return 0;
    }
    double sum = 0;
    for (int r = 1; r <= components.Rows(); ++r) {
        const QString component = components.Text(r, 0);
        double unitCost = components.Double(r, 1);
        if (IsItemDirty(db, component))
            unitCost = costPrice(t, db, component, path);
        unitCost = RoundHalfUp(unitCost, precision);
        const double quantity = RoundHalfUp(components.Double(r, 2), 3);
        const double factor = RoundHalfUp(1 + components.Double(r, 3) * 0.01, 3);
        sum += factor * quantity * unitCost;
    }
    const double newCost = RoundHalfUp(workCosts + sum, precision);
    if (newCost != oldCost &&
        t.ExecPrintf("UPDATE stocks SET cost_price = ? WHERE code = ?;", SqlDecimal{newCost, 5}, code)) {
        Path marked;
        markDependents(t, db, code, marked);
    }
    Path marked;
    setDirty(t, db, code, 0, marked);
    return RoundHalfUp(newCost, precision);
}

double costPrice(WriteTransaction& t, Database& db, const QString& code, Path& path) {
    const int precision = GetPricePrecision();
    ResultTable item;
    if (!db.Query(
            item,
            "SELECT cost_price, work_costs, is_recipe, is_service, is_dirty FROM stocks WHERE code = ?;",
            code)) {
        t.Rollback();
        return 0;
    }
    if (item.Empty())
        return 0;
    const double stored = item.Double(1, 0);
    // Not a recipe, a clean recipe, or one already being computed further up
    // (a cycle in old data): the stored cost.
    if (item.Int(1, 2) == 0 || item.Int(1, 4) == 0 || path.contains(code))
        return RoundHalfUp(stored, precision);
    path.insert(code);
    const double cost = rollUp(t, db, code, stored, item.Double(1, 1), path);
    path.remove(code);
    return cost;
}

bool validComponent(Database& db, const QString& candidate, const QString& owner, Path& seen) {
    if (seen.contains(candidate))
        return true;
    seen.insert(candidate);
    ResultTable components;
    if (!db.Query(components, "SELECT code FROM stocks_cmp WHERE owner_code = ?;", candidate))
        return true;
    for (int r = 1; r <= components.Rows(); ++r) {
        const QString component = components.Text(r, 0);
        if (component == owner || !validComponent(db, component, owner, seen))
            return false;
    }
    return true;
}

} // namespace

double GetItemCostPrice(Database& db, const QString& code) {
    WriteTransaction t(db);
    Path path;
    // A clean item is only read.
    if (!IsItemDirty(db, code))
        return costPrice(t, db, code, path);
    // A cold roll-up writes a row or two per recipe of the tree: one change
    // for all of them, which a failure undoes whole, leaving the recipe dirty
    // for the next read.
    if (!t.Begin())
        return 0;
    const double cost = costPrice(t, db, code, path);
    return t.Commit() ? cost : 0;
}

bool MarkDependentRecipesDirty(Database& db, const QString& code) {
    WriteTransaction t(db);
    if (!t.Begin())
        return false;
    Path marked;
    markDependents(t, db, code, marked);
    return t.Commit();
}

bool SetItemDirty(Database& db, const QString& code, int flag) {
    WriteTransaction t(db);
    if (!t.Begin())
        return false;
    Path marked;
    setDirty(t, db, code, flag, marked);
    return t.Commit();
}

int IsItemDirty(Database& db, const QString& code) {
    return db.QueryInt(0, "SELECT is_dirty FROM stocks WHERE code = ?;", code);
}

bool IsValidComponent(Database& db, const QString& candidate, const QString& owner) {
    Path seen;
    return validComponent(db, candidate, owner, seen);
}
