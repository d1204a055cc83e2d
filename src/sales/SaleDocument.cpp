#include "sales/SaleDocument.h"

#include "format/Rounding.h"
#include "sales/AmountInWords.h"

double SaleLine::ValueOf(double quantity, double price) {
    return RoundHalfUp(RoundHalfUp(quantity, 3) * RoundHalfUp(price, 2), 2);
}

SaleTotals ComputeSaleTotals(const std::vector<SaleLine>& lines, double discount, bool vatRegistered,
                             double vatRate, Currency currency) {
    SaleTotals totals;
    double sum = 0;
    for (const SaleLine& line : lines)
        sum += RoundHalfUp(line.value, 2);
    totals.allSum = RoundHalfUp(sum, 2);
    totals.discountSum = discount != 0 ? RoundHalfUp(totals.allSum * (discount * 0.01), 2) : 0;
    totals.base = RoundHalfUp(totals.allSum - totals.discountSum, 2);
    totals.vat = vatRegistered ? RoundHalfUp(vatRate * 0.01 * totals.base, 2) : 0;
    totals.total = RoundHalfUp(totals.vat + totals.base, 2);
    totals.words = AmountInWords(totals.total, currency);
    return totals;
}
