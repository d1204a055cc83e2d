#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// A sale item as the fiscal device receives it, in the device's own units:
// quantity in thousandths, unit price and amounts in stotinki (cents).
struct ReceiptItem {
    enum class Modifier { None, DiscountPercent, DiscountAmount, SurchargeAmount };
    QString text;
    std::int64_t quantity = 0;  // thousandths
    std::int64_t unitPrice = 0; // cents, with VAT where the firm charges it
    int taxGroup = 0;
    Modifier modifier = Modifier::None;
    std::int64_t modifierValue = 0; // hundredths of a percent, or cents

    // The item's amount as the device computes it: quantity times unit
    // price, then the modifier, rounded half away from zero to a cent.
    std::int64_t DeviceAmount() const;
};

// One line of a sale document as the receipt needs it.
struct ReceiptLine {
    QString text;
    double quantity = 0;
    double unitPrice = 0; // with VAT where the firm charges it
};

// The items of a receipt whose amounts add up, to the cent, to the amount
// paid: every line at its price with the document's discount as a
// percentage, and whatever the rounding of the document's total on the sum
// differs from the items' own rounding set as an amount on the largest item.
// Lines of no quantity are left out (the device would take them as one).
std::vector<ReceiptItem> ReceiptItemsFor(const std::vector<ReceiptLine>& lines, double discountPercent,
                                         int taxGroup, std::int64_t paidCents);

// The sum of what the device will compute for the items.
std::int64_t DeviceTotal(const std::vector<ReceiptItem>& items);
