#include "masterdata/Item.h"

#include "db/Database.h"
#include "masterdata/CostPrices.h"
#include "format/Rounding.h"
#include "masterdata/StockSettings.h"

bool ItemExists(Database& db, const QString& code) {
    ResultTable table;
    return !db.Query(table, "SELECT * FROM stocks WHERE code = '%q' LIMIT 1;", code) || !table.Empty();
}

bool LoadItem(Database& db, const QString& code, Item& record) {
    const int p = GetPricePrecision();
    record = Item();
    record.code = code;
    ResultTable t;
    if (!db.Query(
        t,
        "SELECT code, stock_name, stock_group, units, ROUND(quantity, 3), ROUND(min_quantity, 3), "
        "ROUND(cost_price, %d), ROUND(price_1, %d), ROUND(price_2, %d), ROUND(work_costs, %d), ROUND(last_price, "
        "%d), is_material, is_recipe, is_service, is_hidden, is_dirty FROM stocks WHERE code = '%q';",
        p, p, p, p, p, code))
        return false;
    if (t.Empty())
        return true;
    record.code = t.Text(1, 0, "");
    record.name = t.Text(1, 1, "");
    record.group = t.Int(1, 2);
    record.units = t.Text(1, 3, "");
    record.quantity = t.Double(1, 4);
    record.minQuantity = t.Double(1, 5);
    record.price1 = RoundHalfUp(t.Double(1, 7), p);
    record.price2 = RoundHalfUp(t.Double(1, 8), p);
    record.lastPrice = RoundHalfUp(t.Double(1, 10), p);
    record.isMaterial = t.Int(1, 11);
    record.isRecipe = t.Int(1, 12);
    record.isService = t.Int(1, 13);
    record.isHidden = t.Int(1, 14);
    record.isDirty = t.Int(1, 15);
    if (record.isRecipe || record.isService) {
        record.workCosts = RoundHalfUp(t.Double(1, 9), p);
        record.costPrice = record.isDirty == 1 ? GetItemCostPrice(db, record.code) : RoundHalfUp(t.Double(1, 6), p);
    } else {
        record.costPrice = RoundHalfUp(t.Double(1, 6), p);
        record.workCosts = 0;
    }
    if (record.isService) {
        record.quantity = 0;
        record.minQuantity = 0;
    }
    return true;
}

bool InsertItem(Database& db, const Item& r) {
    if (ItemExists(db, r.code))
        return false;
    if (!db.ExecPrintf("INSERT INTO stocks VALUES('%q', '%q', '%d', '%q', '%.3f', '%.3f', '%.5f', '%.5f', '%.5f', "
                       "'%.5f', '%.5f', '%d', '%d', '%d', '%d', '%d');",
                       r.code, r.name, r.group, r.units, r.quantity, r.minQuantity, r.costPrice, r.price1, r.price2,
                       r.workCosts, r.lastPrice, r.isMaterial, r.isRecipe, r.isService, r.isHidden, r.isDirty))
        return false;
    AddUnit(db, r.units);
    return true;
}

void AddUnit(Database& db, const QString& unit) { db.ExecPrintf("REPLACE INTO units VALUES ('%q');", unit); }
