#include "masterdata/FirmCurrency.h"

#include "db/DbSettings.h"
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
    DbSettings settings(db);
    if (settings.Text("currency") != "EUR")
        return firm;
    firm.current = Currency::EUR;
    firm.changeover = SqlToDate(settings.Text("currency_changeover_dt"));
    return firm;
}

bool StoreEuro(Database& db, const QDate& day) {
    DbSettings settings(db);
    return settings.WriteText("currency", "EUR") && settings.WriteText("currency_changeover_dt", DateToSql(day));
}
