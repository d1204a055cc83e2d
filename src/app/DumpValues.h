#pragma once

#include <QSet>
#include <QString>

// An INSERT statement of an old dump with every value that the old shell
// wrote bare because it looked like a number ("0888123456", "007", "1.50")
// written as text. The old format kept every value as text; text columns
// keep it so (leading zeros stay), numeric columns turn it into a number.
// Any other statement comes back unchanged. The values at the positions in
// `asTyped` are stored byte for byte (a column declared MEMO has numeric
// affinity, which would drop a note's leading zeros).
QString QuoteBareNumbers(const QString& statement, const QSet<int>& asTyped = {});

// The table an INSERT of a dump writes to, without its quotes; empty for any
// other statement.
QString InsertTable(const QString& statement);
