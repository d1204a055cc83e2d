#pragma once

#include "format/Currency.h"

#include <QDate>

class Database;

// The firm's currency as `settings` keeps it: `currency` ("BGN" or absent:
// leva; "EUR": euro) and the day the firm went over to euro
// (`currency_changeover_dt`, YYYY-MM-DD). Documents issued before that day
// stay in leva.
struct FirmCurrency {
    Currency current = Currency::BGN;
    QDate changeover; // invalid while the firm works in leva

    // The currency of a document dated `day`.
    Currency On(const QDate& day) const;
    // An amount of a document dated `day` in the firm's currency now.
    double InCurrent(double amount, const QDate& day) const;
    // True when a period from `from` to `to` holds documents in leva and in
    // euro, whose sums are then given in euro.
    bool Crosses(const QDate& from, const QDate& to) const;
    // What a total is labelled with beside a document's figures: nothing for
    // a firm that has only ever worked in leva (the figures stand as they
    // always have), else " (лв.)" or " (EUR)" by the document's currency.
    QString MarkFor(Currency document) const;
};

// The setting as stored; leva when it is absent or unreadable.
FirmCurrency LoadFirmCurrency(Database& db);
// Stores euro from `day` on, inside the caller's change; false on a failed
// write (reported).
bool StoreEuro(Database& db, const QDate& day);

// The note a report's title line carries when its period crosses the
// changeover.
inline constexpr const char* kConvertedSumsNote = "сумите в лева са преизчислени по курс 1.95583";
