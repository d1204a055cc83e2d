#pragma once

#include <QString>

// A number rounded half up to the given decimals (0 to 5; any other count
// gives two decimals) and written with a decimal point. Every figure the
// program shows or prints goes through here, so one value always reads the
// same: 2.675 is "2.68" everywhere.
QString FormatNumber(double value, int decimals);

// A rate with the decimals it has, two at most: "3", "2.5", "12.75".
QString FormatRate(double percent);
