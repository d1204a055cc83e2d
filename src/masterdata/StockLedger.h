#pragma once

#include <QString>

class Database;

// The quantity on hand of each item, one number per row of `stocks`. Changes
// are written with 3 decimals; a failure is reported and answered false.

// 0 for an unknown code, a service, or a failed read.
double GetStockQuantity(Database& db, const QString& code);
bool SetStockQuantity(Database& db, const QString& code, double quantity);
bool IncreaseStockQuantity(Database& db, const QString& code, double quantity);
bool DecreaseStockQuantity(Database& db, const QString& code, double quantity);
