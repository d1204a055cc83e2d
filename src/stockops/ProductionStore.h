#pragma once

#include "masterdata/ItemStore.h"
#include "stockops/Production.h"

#include <QStringList>
#include <optional>

class Database;
class WriteTransaction;

// The three tables of production: the recipe a product line consumes, the
// next number, the rows of a new document, the date and operator of a
// stored one, a stored document read back and the operators known.
class ProductionStore {
public:
    explicit ProductionStore(Database& db) : m_db(db) {}

    // The line's component entries from the product's own recipe; nothing
    // when the read failed.
    std::optional<std::vector<ProductionEntry>> Entries(const QString& productCode, double produced);
    // See NextDocumentNumber.
    std::optional<int> NextNumber();
    QStringList Operators();

    bool Insert(WriteTransaction& t, const ProductionDocument& doc);
    bool UpdateStored(WriteTransaction& t, const ProductionDocument& doc);
    // False when the read failed or there is no such document.
    bool Load(int number, ProductionDocument& doc);

    // What a document took from stock (its components' entries) and brought
    // into it (its products), summed by item with 3 decimals.
    std::optional<StockMoves> ConsumedQuantities(int number);
    std::optional<StockMoves> ProducedQuantities(int number);
    bool Delete(WriteTransaction& t, int number);

private:
    Database& m_db;
};
