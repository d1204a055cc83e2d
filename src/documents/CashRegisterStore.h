#pragma once

#include "documents/CashFilter.h"
#include "documents/CashOperation.h"
#include "masterdata/PartnerList.h"

#include <optional>
#include <utility>
#include <vector>

class Database;
class WriteTransaction;

// The operations of the cash register in `cash_register` and their
// payments in `cash_register_cmp`.
namespace CashRegisterStore {

// The operations the filter lets through, in number order, each with the
// sum and count of its payments, in one statement. False when the read
// failed (reported); the rows are then left as they were.
bool LoadRows(Database& db, const CashFilter& filter, std::vector<CashRow>& rows);
// One operation as a list row.
std::optional<CashRow> LoadRow(Database& db, int recId);
// One operation with its payments, numbered 1, 2, 3 … in the order stored.
std::optional<CashOperation> LoadOperation(Database& db, int recId);

// Inside the caller's change: a new operation with its payments (its
// number, or nothing when a statement failed), an operation written again
// with its payments replaced, an operation deleted with its payments.
std::optional<int> Insert(WriteTransaction& t, const CashOperation& op);
bool Rewrite(WriteTransaction& t, const CashOperation& op);
bool Delete(WriteTransaction& t, int recId);

// The partners of the filter's check list: id and name, by name, of a tab,
// whose name contains the search text.
bool LoadFilterPartners(Database& db, PartnerTab tab, const QString& search,
                        std::vector<std::pair<int, QString>>& out);

} // namespace CashRegisterStore
