#pragma once

#include <QString>

class Database;

// Cost prices and the recipe roll-up. A recipe's stored cost is recomputed
// from its components only when it is read while marked dirty.

// The cost rounded to 2 decimals; 0 for an unknown code or a failed read.
double GetItemCostPrice(Database& db, const QString& code);
// Marks every recipe that contains the item, and every recipe containing
// those, dirty. A recipe that lists itself is reported and stops the marking.
// All or nothing; false when a write failed.
bool MarkDependentRecipesDirty(Database& db, const QString& code);
// Sets the flag; setting it also marks the dependent recipes. All or nothing.
bool SetItemDirty(Database& db, const QString& code, int flag);
// 0 when missing, NULL or unreadable.
int IsItemDirty(Database& db, const QString& code);
// False when owner occurs anywhere in the component tree of candidate.
bool IsValidComponent(Database& db, const QString& candidate, const QString& owner);
