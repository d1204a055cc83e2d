#pragma once

#include <QString>

struct Item;

// The price kinds of a sale line ("бърз избор на прод. цена") and the price
// each gives for one item and customer.
class SaleLinePricing {
public:
    enum Kind { CostPrice = 0, Price1 = 1, Price2 = 2, Typed = 3, LastPrice = 4, PartnerPrice = 5 };

    // partnerPrice: the customer's own price of the item (0 when none).
    SaleLinePricing(const Item& item, double partnerPrice);

    // The kind a line starts with: the customer's default price; any value
    // outside 0 to 5 means the cost price.
    static int StartKind(int defaultPrice);
    // The label the line dialog shows above the price.
    static QString Label(int kind);

    struct Choice {
        int kind = Price1;
        double price = 0;      // 2 decimals
        bool editable = false; // only a typed price
    };
    // A kind chosen from the menu: its price rounded to 2 decimals, read-only;
    // a typed price starts at 0; the customer's own price falls back to
    // price #1 when the customer has none.
    Choice Select(int kind) const;

private:
    double m_prices[6] = {0, 0, 0, 0, 0, 0};
};
