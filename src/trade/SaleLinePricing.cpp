#include "trade/SaleLinePricing.h"

#include "format/Rounding.h"
#include "masterdata/Item.h"

SaleLinePricing::SaleLinePricing(const Item& item, double partnerPrice) {
    m_prices[CostPrice] = item.costPrice;
    m_prices[Price1] = item.price1;
    m_prices[Price2] = item.price2;
    m_prices[LastPrice] = item.lastPrice;
    m_prices[PartnerPrice] = partnerPrice;
}

int SaleLinePricing::StartKind(int defaultPrice) {
    return defaultPrice >= 0 && defaultPrice <= 5 ? defaultPrice : 0;
}

QString SaleLinePricing::Label(int kind) {
    switch (kind) {
    case CostPrice:
        return "себестойност:";
    case Price2:
        return "прод. цена #2:";
    case Typed:
        return "въведете цена:";
    case LastPrice:
        return "посл. доставна:";
    case PartnerPrice:
        return "собствена цена:";
    default:
        return "прод. цена #1:";
    }
}

SaleLinePricing::Choice SaleLinePricing::Select(int kind) const {
    kind = StartKind(kind);
    if (kind == Typed)
        return {Typed, 0, true};
    if (kind == PartnerPrice && RoundHalfUp(m_prices[PartnerPrice], 2) == 0)
        kind = Price1;
    return {kind, RoundHalfUp(m_prices[kind], 2), false};
}
