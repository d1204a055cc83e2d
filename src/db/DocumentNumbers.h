#pragma once

#include <optional>

class Database;

// The one numbering of documents kept with their number in `doc_id` of one
// table. Read inside the write transaction of the save, so that two copies
// never take the same number. Documents an upgrade set aside under negative
// numbers do not count.

// The highest positive stored number + 1 (1 for the first); nothing when the
// read failed (reported), so that a save never guesses a number.
std::optional<int> NextDocumentNumber(Database& db, const char* table);
// The wanted number while it is positive and free, otherwise the next one.
std::optional<int> FreeDocumentNumber(Database& db, const char* table, int wanted);
