#pragma once

#include "stockops/Stocktaking.h"

#include <functional>
#include <optional>

class Database;
class WriteTransaction;

// The two tables of stocktaking: the lines of a new count from the
// catalogue, the next number, a stored count read back and written.
class StocktakingStore {
public:
    explicit StocktakingStore(Database& db) : m_db(db) {}

    // Every item but services and hidden ones, by name; `progress` hears
    // (done, total) as the lines are built. Nothing when the read failed.
    std::optional<std::vector<StocktakingLine>> NewLines(const std::function<void(int, int)>& progress);
    // See NextDocumentNumber.
    std::optional<int> NextNumber();
    // The lines of a stored count, each with its count as loaded.
    bool Load(int number, std::vector<StocktakingLine>& lines);
    // The stored count of one item of a document; nothing when the item is
    // not in it or the read failed.
    std::optional<double> StoredCount(int number, const QString& code);

    bool Delete(WriteTransaction& t, int number);
    bool InsertHeader(WriteTransaction& t, const StocktakingDocument& doc);
    bool InsertLine(WriteTransaction& t, const StocktakingDocument& doc, const StocktakingLine& line);

private:
    Database& m_db;
};
