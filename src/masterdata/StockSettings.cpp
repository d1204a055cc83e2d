#include "masterdata/StockSettings.h"

#include "db/Database.h"
#include "db/DbSettings.h"
#include "db/WriteTransaction.h"

int GetSellsOnZero(Database& db) {
    return DbSettings(db).SellsOnZero();
}

bool SetSellsOnZero(Database& db, int flag) {
    return DbSettings(db).SetSellsOnZero(flag);
}

bool SetCostPricePrecision(Database& db, int decimals) {
    WriteTransaction t(db);
    return t.Begin() && DbSettings(db).StoreCostPricePrecision(decimals) &&
           t.Exec("UPDATE stocks SET is_dirty = '1' WHERE is_recipe = '1';") && t.Commit();
}

bool SetSellPricePrecision(Database& db, int decimals) {
    return DbSettings(db).StoreSellPricePrecision(decimals);
}

int GetPricePrecision() {
    return 2;
}
