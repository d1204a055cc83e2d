#pragma once

#include <QString>

// The currency amounts are kept and written in: leva, as every file without
// a currency setting, or euro.
enum class Currency { BGN, EUR };

// The fixed rate of the euro: leva for one euro.
inline constexpr double kLevaPerEuro = 1.95583;

// The short name a total is labelled with: "лв." or "EUR".
inline QString CurrencyLabel(Currency currency) {
    return currency == Currency::EUR ? QStringLiteral("EUR") : QStringLiteral("лв.");
}
