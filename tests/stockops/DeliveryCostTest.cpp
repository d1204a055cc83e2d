// The weighted-average cost of a delivered line and the price calculation.
#include "stockops/Delivery.h"

#include <gtest/gtest.h>

namespace {

TEST(DeliveryCostTest, EdgeCasesOfTheWeightedAverage) {
    struct Case {
        const char* what;
        double stock, cost, quantity, price, discount;
        double newStock, newCost, lastPrice;
    };
    const Case cases[] = {
        {"weighted average", 10, 2.00, 5, 3.00, 0, 15, 2.33, 3.00},
        {"negative stock takes the price", -4, 2.00, 10, 3.00, 0, 6, 3.00, 3.00},
        {"stock exactly used up", 0, 2.00, 4, 3.00, 0, 4, 3.00, 3.00},
        {"zero cost takes the price", 5, 0, 5, 4.00, 0, 10, 4.00, 4.00},
        {"12.5 % rounds the factor to 0.88", 0, 0, 1, 10.00, 12.5, 1, 8.80, 8.80},
        {"10 % makes 3.00 into 2.70", 10, 3.00, 10, 3.00, 10, 20, 2.85, 2.70},
        {"quantities keep 3 decimals", 0.0005, 1.00, 1.0001, 1.00, 0, 1.001, 1.00, 1.00},
    };
    for (const Case& c : cases) {
        const Deliveries::CostUpdate u =
            Deliveries::DeliveredCost(c.stock, c.cost, c.quantity, c.price, c.discount);
        EXPECT_DOUBLE_EQ(u.quantity, c.newStock) << c.what;
        EXPECT_DOUBLE_EQ(u.cost, c.newCost) << c.what;
        EXPECT_DOUBLE_EQ(u.lastPrice, c.lastPrice) << c.what;
    }
}

TEST(DeliveryCostTest, UnitPriceFromATotalRefusesNoQuantity) {
    EXPECT_EQ(Deliveries::UnitPriceFromTotal(120, 10, false, 20), 12.0);
    EXPECT_EQ(Deliveries::UnitPriceFromTotal(120, 10, true, 20), 10.0);
    EXPECT_EQ(Deliveries::UnitPriceFromTotal(10, 3, false, 20), 3.33);
    EXPECT_EQ(Deliveries::UnitPriceFromTotal(120, 0, false, 20), std::nullopt);
    EXPECT_EQ(Deliveries::UnitPriceFromTotal(120, -2, true, 20), std::nullopt);
}

TEST(DeliveryCostTest, TotalsChargeVatOnlyBetweenRegisteredParties) {
    Delivery d;
    d.firm.vatRegistered = 1;
    d.firm.vatRate = 20;
    d.header.discount = 10;
    d.lines.push_back({1, "G1", "", 1, "", 3, 3.33, Deliveries::LineValue(3, 3.33)});
    d.lines.push_back({2, "G2", "", 1, "", 1, 1.01, Deliveries::LineValue(1, 1.01)});
    DeliveryTotals t = Deliveries::Totals(d);
    EXPECT_DOUBLE_EQ(t.allSum, 11.0); // 9.99 + 1.01
    EXPECT_DOUBLE_EQ(t.discountSum, 1.1);
    EXPECT_DOUBLE_EQ(t.taxable, 9.9);
    EXPECT_DOUBLE_EQ(t.vat, 0);
    EXPECT_DOUBLE_EQ(t.total, 9.9);
    d.supplier.vatRegistered = 1;
    t = Deliveries::Totals(d);
    EXPECT_DOUBLE_EQ(t.vat, 1.98);
    EXPECT_DOUBLE_EQ(t.total, 11.88);
    // Per line: the value less its share of the discount, times the rate.
    EXPECT_DOUBLE_EQ(Deliveries::LineVat(d, d.lines[0]), 1.8);
}

} // namespace
