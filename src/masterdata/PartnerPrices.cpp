#include "masterdata/PartnerPrices.h"

#include "format/Rounding.h"
#include "masterdata/PartnerValueStore.h"
#include "masterdata/StockSettings.h"

QString GetPartnerCode(Database& db, int partnerId, const QString& code) {
    if (partnerId <= 0 || code.isEmpty())
        return QString("");
    return PartnerValueStore(db, PartnerValueKind::Codes).Code(partnerId, code);
}

double GetPartnerPrice(Database& db, int partnerId, const QString& code) {
    if (partnerId <= 0 || code.isEmpty())
        return 0;
    return RoundHalfUp(PartnerValueStore(db, PartnerValueKind::Prices).Price(partnerId, code), GetPricePrecision());
}
