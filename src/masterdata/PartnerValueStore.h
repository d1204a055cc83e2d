#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

class Database;
class WriteTransaction;

// What a partner keeps for an item: its own code (`stock_codes`) or a
// special price (`stock_prices`).
enum class PartnerValueKind { Codes, Prices };

// The statements of `stock_codes` and `stock_prices`.
class PartnerValueStore {
public:
    PartnerValueStore(Database& db, PartnerValueKind kind) : m_db(db), m_kind(kind) {}

    struct Entry {
        int recId = 0;
        int partnerId = 0;
        std::optional<QString> partnerName; // nothing when the partner is gone
        QString code;
        double price = 0;
    };
    // An item's entries in the order of the partners' names.
    bool List(const QString& item, std::vector<Entry>& out);
    // The partner's code for the item (empty when none), or its price (0 when none).
    QString Code(int partnerId, const QString& item);
    double Price(int partnerId, const QString& item);

    // Writes an entry: a new one when recId is 0. A price keeps 5 decimals.
    bool Write(WriteTransaction& t, int recId, const QString& item, int partnerId, const QString& code,
               double price);
    bool Delete(WriteTransaction& t, int recId);

    // The special prices other than 0 by record, for the change of currency.
    std::optional<std::vector<std::pair<int, double>>> NonZeroPrices();
    bool SetPrice(WriteTransaction& t, int recId, double price, int places);

private:
    Database& m_db;
    PartnerValueKind m_kind;
};
