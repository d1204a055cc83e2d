#include "masterdata/StockSettings.h"

#include "db/Database.h"
#include "db/DbSettings.h"
#include "db/WriteTransaction.h"
#include "masterdata/RecipeStore.h"

int GetSellsOnZero(Database& db) {
    return DbSettings(db).SellsOnZero();
}

bool SetSellsOnZero(Database& db, int flag) {
    return DbSettings(db).SetSellsOnZero(flag);
}

bool SetCostPricePrecision(Database& db, int decimals) {
    WriteTransaction t(db);
    return t.Begin() && DbSettings(db).StoreCostPricePrecision(decimals) &&
           RecipeStore(db).MarkAllDirty(t) && t.Commit();
}

bool SetSellPricePrecision(Database& db, int decimals) {
    return DbSettings(db).StoreSellPricePrecision(decimals);
}

int GetPricePrecision() {
    return 2;
}
