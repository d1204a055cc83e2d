#pragma once

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
} // namespace Schema
