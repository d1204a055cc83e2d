#pragma once

#include "stockops/SupplierRequest.h"

#include <QStringList>
#include <optional>

class Database;
class WriteTransaction;

// Supplier requests in `requests_main` and `requests_items`.
namespace RequestStore {

// The highest stored number + 1 (1 for the first request).
std::optional<int> NextNumber(Database& db);
// The carriers typed on earlier requests, each once, none empty.
QStringList Carriers(Database& db);
// Every partner's own code for the item; the supplier's own first.
QStringList SupplierCodes(Database& db, const QString& itemCode, int supplierId);
// The stored request; nothing when it is missing or the read failed.
std::optional<SupplierRequest> Load(Database& db, int number);
// Writes a new request inside the caller's change: its number when free,
// otherwise the highest stored + 1, read under the lock. The number it got,
// or nothing when a statement failed.
std::optional<int> WriteNew(WriteTransaction& t, Database& db, const SupplierRequest& request);
// Rewrites a stored request: its header and all of its lines.
bool Rewrite(WriteTransaction& t, const SupplierRequest& request);
bool Delete(WriteTransaction& t, int number);

} // namespace RequestStore
