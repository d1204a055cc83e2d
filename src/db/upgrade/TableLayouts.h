#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The layouts of the tables in every file format from 1 to 14, in one place.
// Format 14 is the schema of today; the older ones are derived from what each
// upgrade step copies, as edits of today's layout (see the .cpp for the guesses
// where a step does not tell).
namespace TableLayouts {

// The CREATE TABLE statement of the table in the given format; nothing when
// the table did not exist yet (or no longer exists) in that format.
std::optional<QString> CreateStatement(const QString& table, int version);
// Every table name any format has, in today's creation order, then `version`.
QStringList AllTables();

} // namespace TableLayouts
