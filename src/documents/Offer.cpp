#include "documents/Offer.h"

#include "format/FormatNumber.h"
#include "format/Rounding.h"

#include <cmath>

double OfferLine::Value() const {
    return RoundHalfUp(quantity * price, 2);
}

OfferTotals ComputeOfferTotals(const Offer& offer, double vatRate) {
    OfferTotals t;
    for (const OfferLine& line : offer.lines)
        t.sum += line.Value();
    t.discount = RoundHalfUp(offer.discount * t.sum * 0.01, 2);
    const double base = RoundHalfUp(t.sum - t.discount, 2);
    t.vat = offer.vatUsed ? RoundHalfUp(vatRate * 0.01 * base, 2) : 0;
    t.total = RoundHalfUp(base + t.vat, 2);
    return t;
}

QString OfferDiscountLabel(double percent) {
    if (percent == std::round(percent))
        return QString::asprintf("- TO %.f%%:", percent);
    return "- TO " + FormatRate(percent) + "%:";
}
