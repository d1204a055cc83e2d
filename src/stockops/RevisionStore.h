#pragma once

#include "stockops/Revision.h"

#include <functional>
#include <optional>

class Database;
class WriteTransaction;

// The two tables of stocktaking: the lines of a new count from the
// catalogue, the next number, a stored count read back and written.
class RevisionStore {
public:
    explicit RevisionStore(Database& db) : m_db(db) {}

    // Every item but services and hidden ones, by name; `progress` hears
    // (done, total) as the lines are built. Nothing when the read failed.
    std::optional<std::vector<RevisionLine>> NewLines(const std::function<void(int, int)>& progress);
    // See NextDocumentNumber.
    std::optional<int> NextNumber();
    // The lines of a stored count, each with its count as loaded.
    bool Load(int number, std::vector<RevisionLine>& lines);
    // The stored count of one item of a document; nothing when the item is
    // not in it or the read failed.
    std::optional<double> StoredCount(int number, const QString& code);

    bool Delete(WriteTransaction& t, int number);
    bool InsertHeader(WriteTransaction& t, const RevisionDocument& doc);
    bool InsertLine(WriteTransaction& t, const RevisionDocument& doc, const RevisionLine& line);

private:
    Database& m_db;
};
