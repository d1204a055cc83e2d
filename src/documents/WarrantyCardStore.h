#pragma once

#include "documents/WarrantyCard.h"

#include <optional>

class Database;
class WriteTransaction;

// Warranty cards in `gk_main` and `gk_items`.
namespace WarrantyCardStore {

// The number the next new card gets: the highest stored one + 1.
std::optional<int> NextNumber(Database& db);
// The stored card; nothing when it is missing or the read failed (reported).
std::optional<WarrantyCard> Load(Database& db, int number);
// Writes the card inside the caller's change: a new card (number 0) takes
// the next number under the lock; a stored card's lines are replaced. The
// card's number afterwards, or nothing when a statement failed.
std::optional<int> Write(Database& db, WriteTransaction& t, const WarrantyCard& card);
bool Delete(WriteTransaction& t, int number);

} // namespace WarrantyCardStore
