#include "sales/fiscal/ReceiptItems.h"

#include <cmath>

namespace {

// Products of quantities and prices exceed 64 bits before they are divided.
__extension__ typedef __int128 Wide;

// n / d rounded half away from zero, for d > 0.
std::int64_t divideRounded(Wide n, Wide d) {
    const Wide magnitude = (n < 0 ? -n : n) * 2 + d;
    const Wide q = magnitude / (2 * d);
    return static_cast<std::int64_t>(n < 0 ? -q : q);
}

std::int64_t scaled(double value, double scale) {
    return std::llround(value * scale);
}

} // namespace

std::int64_t ReceiptItem::DeviceAmount() const {
    const Wide base = static_cast<Wide>(quantity) * unitPrice; // 1e-5 of a lev
    switch (modifier) {
    case Modifier::DiscountPercent:
        return divideRounded(base * (10000 - modifierValue), 10000000);
    case Modifier::DiscountAmount:
        return divideRounded(base - static_cast<Wide>(modifierValue) * 1000, 1000);
    case Modifier::SurchargeAmount:
        return divideRounded(base + static_cast<Wide>(modifierValue) * 1000, 1000);
    case Modifier::None:
        break;
    }
    return divideRounded(base, 1000);
}

std::int64_t DeviceTotal(const std::vector<ReceiptItem>& items) {
    std::int64_t total = 0;
    for (const ReceiptItem& item : items)
        total += item.DeviceAmount();
    return total;
}

std::vector<ReceiptItem> ReceiptItemsFor(const std::vector<ReceiptLine>& lines, double discountPercent,
                                         int taxGroup, std::int64_t paidCents) {
    std::vector<ReceiptItem> items;
    const std::int64_t discount = scaled(discountPercent, 100);
    for (const ReceiptLine& line : lines) {
        ReceiptItem item;
        item.text = line.text;
        item.quantity = scaled(line.quantity, 1000);
        item.unitPrice = scaled(line.unitPrice, 100);
        item.taxGroup = taxGroup;
        if (item.quantity == 0)
            continue;
        if (discount > 0) {
            item.modifier = ReceiptItem::Modifier::DiscountPercent;
            item.modifierValue = discount;
        }
        items.push_back(item);
    }
    if (items.empty())
        return items;
    const std::int64_t difference = paidCents - DeviceTotal(items);
    if (difference == 0)
        return items;
    // The largest item absorbs the difference, so it stays positive.
    std::size_t largest = 0;
    for (std::size_t i = 1; i < items.size(); ++i)
        if (items[i].DeviceAmount() > items[largest].DeviceAmount())
            largest = i;
    ReceiptItem& item = items[largest];
    const std::int64_t target = item.DeviceAmount() + difference;
    item.modifier = ReceiptItem::Modifier::None;
    const std::int64_t change = item.DeviceAmount() - target; // what the modifier takes off
    if (change > 0) {
        item.modifier = ReceiptItem::Modifier::DiscountAmount;
        item.modifierValue = change;
    } else if (change < 0) {
        item.modifier = ReceiptItem::Modifier::SurchargeAmount;
        item.modifierValue = -change;
    }
    return items;
}
