#pragma once

#include <QString>
#include <vector>

// The statements of the current file format (version 14).
namespace Schema {
inline constexpr int kTableCount = 42;
inline constexpr int kIndexCount = 20;
// Position of the `settings` table in CreateTableStatements(): the version row
// is written right after it.
inline constexpr int kSettingsTable = 30;

const std::vector<const char*>& CreateTableStatements();
const std::vector<const char*>& CreateIndexStatements();

// The tables a feature makes when it is first used, so a file that never
// used it has only the tables above.
inline constexpr const char* kFiscalReceipts =
    "CREATE TABLE IF NOT EXISTS fiscal_receipts ([family] INTEGER NOT NULL, [doc_id] INTEGER NOT NULL, "
    "[reversal] INTEGER NOT NULL DEFAULT 0, [printer_serial] TEXT NOT NULL, [sequence] INTEGER NOT NULL "
    "DEFAULT 0, [unique_sale_number] TEXT NOT NULL, [task_id] TEXT NOT NULL, [amount] NUMERIC (13, 2) NOT "
    "NULL DEFAULT 0, [state] INTEGER NOT NULL DEFAULT 0, [receipt_number] TEXT NOT NULL DEFAULT '', "
    "[receipt_dt] TEXT NOT NULL DEFAULT '', [receipt_amount] NUMERIC (13, 2) NOT NULL DEFAULT 0, "
    "[fm_serial] TEXT NOT NULL DEFAULT '', [sent_dt] TEXT NOT NULL DEFAULT '', [by_hand] INTEGER NOT NULL "
    "DEFAULT 0);";
inline constexpr const char* kCreditNoteCash = "CREATE TABLE IF NOT EXISTS credit_note_cash (credit_note_id "
                                               "INTEGER PRIMARY KEY, rec_id INTEGER NOT NULL);";

// The definition of a table of the program (the format's or a feature's) as
// the file keeps it; null for a table of no feature of the program.
const char* DefinitionOf(const QString& table);
} // namespace Schema
