#include "masterdata/PartnerPrices.h"

#include "db/Database.h"
#include "format/Rounding.h"
#include "masterdata/StockSettings.h"

QString GetPartnerCode(Database& db, int partnerId, const QString& code) {
    if (partnerId <= 0 || code.isEmpty())
        return QString("");
    return db.QueryText(
        "", "SELECT partner_code FROM stock_codes WHERE partner_id = ? AND stock_code = ?;",
        partnerId, code);
}

double GetPartnerPrice(Database& db, int partnerId, const QString& code) {
    if (partnerId <= 0 || code.isEmpty())
        return 0;
    return RoundHalfUp(
        db.QueryDouble(
            0, "SELECT partner_price FROM stock_prices WHERE partner_id = ? AND stock_code = ?;",
            partnerId, code),
        GetPricePrecision());
}
