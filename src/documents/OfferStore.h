#pragma once

#include "documents/Offer.h"

#include <optional>

class Database;
class WriteTransaction;

// Offers in `offers` and `offers_cmp`.
namespace OfferStore {

// The highest stored number + 1 (1 for the first offer).
std::optional<int> NextNumber(Database& db);
// The stored offer with its lines newest first; nothing when it is missing
// or the read failed.
std::optional<Offer> Load(Database& db, int number);
// Writes the offer inside the caller's change. A new offer keeps its number
// when it is still free and otherwise takes the highest + 1, read under the
// lock; a stored one is deleted and written again with new line ids. The
// number it got, or nothing when a statement failed.
std::optional<int> Write(WriteTransaction& t, Database& db, const Offer& offer, bool isNew);
bool Delete(WriteTransaction& t, int number);

} // namespace OfferStore
