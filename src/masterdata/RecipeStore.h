#pragma once

#include "masterdata/Recipe.h"

#include <QStringList>
#include <optional>
#include <vector>

class Database;
class WriteTransaction;

// The statements of the recipes (`stocks_cmp`) and of the recipe costs kept
// in `stocks`: the stored cost, the work costs and the dirty flag that asks
// for a roll-up on the next read.
class RecipeStore {
public:
    explicit RecipeStore(Database& db) : m_db(db) {}

    // The components of a recipe by name, with their own codes, names and
    // units; the unit costs are left to the caller. False on a failed read.
    bool LoadComponents(const QString& owner, std::vector<ComponentLine>& lines);

    // A recipe's components as stored, in their order: code, quantity per
    // unit (3 decimals) and extra percent.
    struct Part {
        QString code;
        double quantity = 0;
        double randeman = 0;
    };
    std::optional<std::vector<Part>> Parts(const QString& owner);

    // A component as the roll-up reads it: its stored cost with `places`
    // decimals and the recipe's quantity (3 decimals) and extra percent.
    struct CostPart {
        QString code;
        double cost = 0;
        double quantity = 0;
        double randeman = 0;
        bool dirty = false; // a recipe whose stored cost is out of date
    };
    std::optional<std::vector<CostPart>> CostParts(const QString& owner, int places);
    // What the roll-up needs of an item; nothing inside for an unknown code.
    struct CostFields {
        double cost = 0;
        double workCosts = 0;
        bool isRecipe = false;
        bool isDirty = false;
    };
    bool ReadCost(const QString& code, std::optional<CostFields>& fields);
    // The recipes that list the item, once each.
    std::optional<QStringList> Owners(const QString& code);
    // The codes a recipe lists.
    std::optional<QStringList> ComponentCodes(const QString& owner);
    // 0 when missing, NULL or unreadable.
    int Dirty(const QString& code);

    bool SetDirty(WriteTransaction& t, const QString& code, int flag);
    bool SetCost(WriteTransaction& t, const QString& code, double cost);
    // A new precision of cost prices makes every recipe's stored cost stale.
    bool MarkAllDirty(WriteTransaction& t);

private:
    Database& m_db;
};
