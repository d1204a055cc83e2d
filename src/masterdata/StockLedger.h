#pragma once

#include <QString>

class Database;
class WriteTransaction;

// The quantity on hand of each item, one number per row of `stocks`. Changes
// are written with 3 decimals inside the change they are given; a failure is
// reported, ends the change and is answered false.

// 0 for an unknown code, a service, or a failed read.
double GetStockQuantity(Database& db, const QString& code);
bool SetStockQuantity(WriteTransaction& t, const QString& code, double quantity);
bool IncreaseStockQuantity(WriteTransaction& t, const QString& code, double quantity);
bool DecreaseStockQuantity(WriteTransaction& t, const QString& code, double quantity);
