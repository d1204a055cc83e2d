#pragma once

#include "db/Database.h"

#include <QString>
#include <initializer_list>

// The rows of a test firm, written with bound values.

// One catalogue row of a test firm, its fields named as they are set:
// StockRow("G1", "Кабел").Unit("м").Quantity(10).Cost(1.2).Prices(2.5, 2).
// What a test does not set is 0 (is_dirty too: a clean item with a stored
// cost), the group is 1 and the unit "бр.".
struct StockRow {
    StockRow(QString itemCode, QString itemName) : code(std::move(itemCode)), name(std::move(itemName)) {}
    StockRow& Group(int value) { return group = value, *this; }
    StockRow& Unit(QString value) { return unit = std::move(value), *this; }
    StockRow& Quantity(double value) { return quantity = value, *this; }
    StockRow& Min(double value) { return minQuantity = value, *this; }
    StockRow& Cost(double value) { return cost = value, *this; }
    StockRow& Prices(double first, double second) { return price1 = first, price2 = second, *this; }
    StockRow& Work(double value) { return workCosts = value, *this; }
    StockRow& Last(double value) { return lastPrice = value, *this; }
    StockRow& Material(bool value = true) { return material = value, *this; }
    StockRow& Recipe(bool value = true) { return recipe = value, *this; }
    StockRow& Service() { return service = 1, *this; }
    StockRow& Hidden() { return hidden = 1, *this; }
    StockRow& Dirty() { return dirty = 1, *this; }

    QString code, name;
    int group = 1;
    QString unit = "бр.";
    double quantity = 0, minQuantity = 0, cost = 0, price1 = 0, price2 = 0, workCosts = 0, lastPrice = 0;
    int material = 0, recipe = 0, service = 0, hidden = 0, dirty = 0;
};

// Writes the rows into stocks with bound values; false when one failed.
inline bool AddStocks(Database& db, std::initializer_list<StockRow> rows) {
    for (const StockRow& r : rows)
        if (!db.ExecPrintf(
                "INSERT INTO stocks (code, stock_name, stock_group, units, quantity, min_quantity, "
                "cost_price, price_1, price_2, work_costs, last_price, is_material, is_recipe, "
                "is_service, is_hidden, is_dirty) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                r.code, r.name, r.group, r.unit, r.quantity, r.minQuantity, r.cost, r.price1, r.price2,
                r.workCosts, r.lastPrice, r.material, r.recipe, r.service, r.hidden, r.dirty))
            return false;
    return true;
}

// The firm's own data: the full one with its Latin spelling, or a short one
// (no Latin, short numbers) where a test prints no Latin name.
enum class FirmRow { Full, Short };
inline bool AddFirmData(Database& db, FirmRow row = FirmRow::Full) {
    const bool full = row == FirmRow::Full;
    return db.ExecPrintf("INSERT INTO firmdata VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 20);", "Тарво ООД",
                         full ? "Tarvo" : "", "Русе", full ? "Ruse" : "", "ул. Дунав 5",
                         full ? "Dunav 5" : "", full ? "Петър Петров" : "Петров", full ? "Petar" : "",
                         full ? "111222333" : "111", full ? "BG111222333" : "BG111");
}
