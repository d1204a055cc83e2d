#pragma once

class Database;

// The stock policy and the precision of prices, kept in `settings`.

// Whether goods and products may be issued whatever the quantity on hand
// (which leads to negative quantities). 0 when missing or unreadable.
int GetSellsOnZero(Database& db);
bool SetSellsOnZero(Database& db, int flag);

// Stores the precision of cost prices and marks every recipe for
// recomputation; true when both succeed.
bool SetCostPricePrecision(Database& db, int decimals);
bool SetSellPricePrecision(Database& db, int decimals);

// The decimals every price and cost price is handled with.
int GetPricePrecision();
