#include "masterdata/FirmCurrency.h"

#include "db/Database.h"
#include "format/SqlDates.h"

Currency FirmCurrency::On(const QDate& day) const {
    if (current == Currency::BGN)
        return Currency::BGN;
    return changeover.isValid() && day.isValid() && day < changeover ? Currency::BGN : Currency::EUR;
}

double FirmCurrency::InCurrent(double amount, const QDate& day) const {
    return current == Currency::EUR && On(day) == Currency::BGN ? amount / kLevaPerEuro : amount;
}

bool FirmCurrency::Crosses(const QDate& from, const QDate& to) const {
    return current == Currency::EUR && changeover.isValid() && from < changeover && to >= changeover;
}

QString FirmCurrency::MarkFor(Currency document) const {
    if (current == Currency::BGN)
        return QString();
    return " (" + CurrencyLabel(document) + ")";
}

FirmCurrency LoadFirmCurrency(Database& db) {
    FirmCurrency firm;
    const QString code = db.QueryText("", "SELECT key_value FROM settings WHERE key_name = 'currency';");
    if (code != "EUR")
        return firm;
    firm.current = Currency::EUR;
    firm.changeover = SqlToDate(
        db.QueryText("", "SELECT key_value FROM settings WHERE key_name = 'currency_changeover_dt';"));
    return firm;
}

bool StoreEuro(Database& db, const QDate& day) {
    return db.Exec("INSERT INTO settings (key_name, key_value) VALUES('currency', 'EUR')"
                   " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;") &&
           db.ExecPrintf(
               "INSERT INTO settings (key_name, key_value) VALUES('currency_changeover_dt', ?)"
               " ON CONFLICT (key_name) DO UPDATE SET key_value = excluded.key_value;",
               DateToSql(day));
}
