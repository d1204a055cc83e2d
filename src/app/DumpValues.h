#pragma once

#include <QString>

// An INSERT statement of an old dump with every value that the old shell
// wrote bare because it looked like a number ("0888123456", "007", "1.50")
// written as text. The old format kept every value as text; text columns
// keep it so (leading zeros stay), numeric columns turn it into a number.
// Any other statement comes back unchanged.
QString QuoteBareNumbers(const QString& statement);
