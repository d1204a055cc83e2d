#include "stockops/Delivery.h"

#include "format/Rounding.h"

namespace Deliveries {

double LineValue(double quantity, double price) {
    return RoundHalfUp(quantity * price, 2);
}

DeliveryTotals Totals(const Delivery& delivery) {
    DeliveryTotals totals;
    double sum = 0;
    for (const DeliveryLine& line : delivery.lines)
        sum += RoundHalfUp(line.value, 2);
    totals.allSum = RoundHalfUp(sum, 2);
    const double discount = delivery.header.discount;
    totals.discountSum = discount > 0 ? RoundHalfUp(discount * 0.01 * totals.allSum, 2) : 0;
    totals.taxable = RoundHalfUp(totals.allSum - totals.discountSum, 2);
    totals.vat = delivery.ChargesVat() ? RoundHalfUp(delivery.firm.vatRate * 0.01 * totals.taxable, 2) : 0;
    totals.total = RoundHalfUp(totals.taxable + totals.vat, 2);
    return totals;
}

double LineVat(const Delivery& delivery, const DeliveryLine& line) {
    if (!delivery.ChargesVat())
        return 0;
    const double discount = delivery.header.discount > 0 ? line.value * delivery.header.discount / 100 : 0;
    return RoundHalfUp((line.value - discount) * delivery.firm.vatRate / 100, 2);
}

CostUpdate DeliveredCost(double stock, double cost, double quantity, double price, double discount) {
    if (discount != 0)
        price *= RoundHalfUp((100 - discount) * 0.01, 2);
    if (cost == 0)
        cost = price;
    CostUpdate update;
    update.quantity = RoundHalfUp(stock + quantity, 3);
    const double total = stock + quantity;
    update.cost =
        RoundHalfUp(stock >= 0 && total != 0 ? (stock * cost + quantity * price) / total : price, 2);
    update.lastPrice = RoundHalfUp(price, 2);
    return update;
}

std::optional<double> UnitPriceFromTotal(double total, double quantity, bool removeVat, double rate) {
    if (!(quantity > 0))
        return std::nullopt;
    const double net = removeVat ? total / (1 + rate / 100) : total;
    return RoundHalfUp(net / quantity, 2);
}

} // namespace Deliveries
