#include "masterdata/CostPrices.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/RecipeStore.h"
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
    if (!RecipeStore(db).SetDirty(t, code, flag))
        return;
    if (flag == 1)
        markDependents(t, db, code, marked);
}

void markDependents(WriteTransaction& t, Database& db, const QString& code, Path& marked) {
    if (marked.contains(code) || !t.Active())
        return;
    marked.insert(code);
    const std::optional<QStringList> owners = RecipeStore(db).Owners(code);
    if (!owners)
        return;
    for (const QString& owner : *owners) {
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
    RecipeStore store(db);
    const auto parts = store.CostParts(code, precision);
    if (!parts) {
        t.Rollback();
        return 0;
    }
    double sum = 0;
    for (const RecipeStore::CostPart& part : *parts) {
        double unitCost = part.cost;
        if (part.dirty) // costPrice reads the flag again: an earlier part may have costed it
            unitCost = costPrice(t, db, part.code, path);
        unitCost = RoundHalfUp(unitCost, precision);
        const double quantity = RoundHalfUp(part.quantity, 3);
        const double factor = RoundHalfUp(1 + part.randeman * 0.01, 3);
        sum += factor * quantity * unitCost;
    }
    const double newCost = RoundHalfUp(workCosts + sum, precision);
    if (newCost != oldCost && store.SetCost(t, code, newCost)) {
        Path marked;
        markDependents(t, db, code, marked);
    }
    Path marked;
    setDirty(t, db, code, 0, marked);
    return RoundHalfUp(newCost, precision);
}

double costPrice(WriteTransaction& t, Database& db, const QString& code, Path& path) {
    const int precision = GetPricePrecision();
    std::optional<RecipeStore::CostFields> item;
    if (!RecipeStore(db).ReadCost(code, item)) {
        t.Rollback();
        return 0;
    }
    if (!item)
        return 0;
    // Not a recipe, a clean recipe, or one already being computed further up
    // (a cycle in old data): the stored cost.
    if (!item->isRecipe || !item->isDirty || path.contains(code))
        return RoundHalfUp(item->cost, precision);
    path.insert(code);
    const double cost = rollUp(t, db, code, item->cost, item->workCosts, path);
    path.remove(code);
    return cost;
}

bool validComponent(Database& db, const QString& candidate, const QString& owner, Path& seen) {
    if (seen.contains(candidate))
        return true;
    seen.insert(candidate);
    const std::optional<QStringList> components = RecipeStore(db).ComponentCodes(candidate);
    if (!components)
        return true;
    for (const QString& component : *components) {
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
    return RecipeStore(db).Dirty(code);
}

bool IsValidComponent(Database& db, const QString& candidate, const QString& owner) {
    Path seen;
    return validComponent(db, candidate, owner, seen);
}
