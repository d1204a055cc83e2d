#pragma once

#include "db/WriteTransaction.h"

#include <QString>

class Database;

// The cost roll-ups of one reading (a list, a report) in one change: the
// first dirty recipe read takes the write lock, every roll-up after it
// writes inside the same change, and Finish commits them together. One
// commit per recipe costs a sync of the file each, seconds on a large
// firm. Inside a change already open the roll-ups simply join it.
class SharedRollUps {
public:
    explicit SharedRollUps(Database& db);
    // The item's cost as GetItemCostPrice gives it.
    double CostOf(const QString& code);
    // Commits the roll-ups written; true when there were none or they stayed.
    bool Finish();

private:
    Database& m_db;
    WriteTransaction m_change;
};
