#pragma once

#include <optional>

class Database;

// The numbers of documents kept with their number in `doc_id` of one table.
// Read inside the write transaction of the save, so that two copies never
// take the same number.

// The highest stored number + 1 (1 for the first); nothing when the read failed.
std::optional<int> NextDocumentNumber(Database& db, const char* table);
// The wanted number while it is positive and free, otherwise the next one.
std::optional<int> FreeDocumentNumber(Database& db, const char* table, int wanted);
