#pragma once

#include "masterdata/ItemStore.h"
#include "stockops/Delivery.h"

#include <optional>

class Database;
class WriteTransaction;

// The four tables of a delivery: the next number, whether a number is
// taken, the rows of a new delivery, the header and copies of a stored one
// written again, and a stored delivery read back.
class DeliveryStore {
public:
    explicit DeliveryStore(Database& db) : m_db(db) {}

    // See NextDocumentNumber.
    std::optional<int> NextNumber();
    // Nothing when the read failed.
    std::optional<bool> NumberTaken(int number);

    bool InsertLine(WriteTransaction& t, const Delivery& d, int number, const DeliveryLine& line);
    bool InsertHeader(WriteTransaction& t, const Delivery& d, int number, const DeliveryTotals& totals);
    bool InsertSupplier(WriteTransaction& t, const Delivery& d, int number);
    bool InsertFirm(WriteTransaction& t, const Delivery& d, int number);
    // The header, the two copies and the lines' date and invoice number of a
    // stored delivery; its lines and totals stay.
    bool UpdateStored(WriteTransaction& t, const Delivery& d);
    // The item's stock, cost and last price after a delivered line; false
    // also when no item has the code.
    bool UpdateStock(WriteTransaction& t, const QString& code, const Deliveries::CostUpdate& update);

    // False when the read failed or there is no such delivery.
    bool Load(int number, Delivery& d);

    // The quantities a delivery brought into stock.
    std::optional<StockMoves> DeliveredQuantities(int number);
    bool Delete(WriteTransaction& t, int number);

private:
    Database& m_db;
};
