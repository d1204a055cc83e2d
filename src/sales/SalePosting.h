#pragma once

#include "sales/SaleDocument.h"

#include <optional>
#include <vector>

class Database;
class SaleStore;
class WriteTransaction;

// What the goods note of a sale takes from stock: each catalogue line of a
// plain item by itself, each line of a product or service through the
// components of its recipe (recorded in `soldmat`). Free-text lines and
// services without a recipe move nothing.
class SalePosting {
public:
    SalePosting(Database& db, SaleStore& store) : m_db(db), m_store(store) {}

    // One stock code's share of a line.
    struct Need {
        int line = 0;     // index into the lines
        QString code;     // the item whose stock moves
        QString soldCode; // the line's item: a product, or the item itself
        bool component = false;
        double quantity = 0;  // positive, 3 decimals
        int group = 0;        // the component's group
        double costPrice = 0; // the component's cost, 2 decimals
    };
    // The needs of every line that moves stock, in line order. Nothing when
    // a read failed (reported).
    std::optional<std::vector<Need>> NeedsOf(const std::vector<SaleLine>& lines);

    // The refusal of a sale the stock cannot cover: the needs of one code are
    // summed over the whole document (two lines of one item, a product beside
    // its own component) and compared with the stock on hand. Empty when the
    // stock suffices; nothing when a read failed.
    std::optional<QString> ShortStock(const std::vector<Need>& needs);

    // Lowers the stock by the needs (raises it for a credit note) and writes
    // the `soldmat` rows, under the goods note's number.
    bool Post(WriteTransaction& t, const std::vector<Need>& needs, int number, const QDate& date,
              int customerId, bool credit);

private:
    Database& m_db;
    SaleStore& m_store;
};
