#pragma once

#include "trade/FirmSnapshot.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The header of a delivery as `supplies_main` keeps it, without the totals.
struct DeliveryHeader {
    int docId = 0;
    QDate docDate;
    QString givenBy;    // "ПРЕДАЛ:"
    QString receivedBy; // "ПРИЕЛ:"
    int partnerId = 0;
    QDate payDate;
    double discount = 0; // percent, 2 decimals
    QString invoiceNo;   // the supplier's invoice
};

// The supplier as the delivery keeps it (`supplies_partners`).
struct SupplierSnapshot {
    QString name;
    QString city;
    QString address;
    QString mol;
    QString taxId;
    QString bulstat;
    QString bankName;
    QString bankBranch;
    QString bankCode;
    QString bankAccount;
    int vatRegistered = 0;
};

// One line: quantity with 3 decimals, unit price and value with 2.
struct DeliveryLine {
    int seq = 0;
    QString code;
    QString name;
    int group = 0;
    QString units;
    double quantity = 0;
    double price = 0;
    double value = 0;
};

struct DeliveryTotals {
    double allSum = 0;
    double discountSum = 0;
    double taxable = 0;
    double vat = 0;
    double total = 0;
};

struct Delivery {
    DeliveryHeader header;
    SupplierSnapshot supplier;
    FirmSnapshot firm; // its bank is not kept with a delivery
    std::vector<DeliveryLine> lines;

    // VAT is charged when the firm and the supplier are both registered.
    bool ChargesVat() const { return firm.vatRegistered != 0 && supplier.vatRegistered != 0; }
};

namespace Deliveries {

// The value of a line: price x quantity rounded to 2.
double LineValue(double quantity, double price);
// The sum, discount, taxable amount, VAT and total of the lines.
DeliveryTotals Totals(const Delivery& delivery);
// The VAT of one line as the receipt shows it: the value less its share of
// the discount, times the rate.
double LineVat(const Delivery& delivery, const DeliveryLine& line);

// What a delivered line does to its item: the new stock, the weighted
// average cost and the last delivery price.
struct CostUpdate {
    double quantity = 0;
    double cost = 0;
    double lastPrice = 0;
};
// Stock Q at cost C receiving q at unit price p under a discount of d %:
// the price is reduced by the factor (100 - d) / 100 rounded to 2; a cost of
// 0 takes the price; a negative stock takes the price as its cost.
CostUpdate DeliveredCost(double stock, double cost, double quantity, double price, double discount);

// The unit price of a total value over a quantity, with VAT at the rate
// taken out first when asked; nothing for a quantity that is not positive.
std::optional<double> UnitPriceFromTotal(double total, double quantity, bool removeVat, double rate);

} // namespace Deliveries
