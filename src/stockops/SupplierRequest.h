#pragma once

#include <QDate>
#include <QString>
#include <vector>

// One line of a supplier request: quantity, price and value with 2 decimals
// (price and value stay 0 in a request without prices).
struct RequestLine {
    int seq = 0;
    QString name;
    QString code;
    QString supplierCode; // empty when the supplier's code is not printed
    QString units;
    double quantity = 0;
    double price = 0;
    double value = 0;
    QString notes;
    int priceKind = 3; // the price kind last chosen for the line (a typed price)
};

// A request to a supplier as `requests_main` and `requests_items` keep it.
struct SupplierRequest {
    int number = 0;
    QDate date;
    int partnerId = 0;
    QString partnerName;
    QString preparedBy;
    QString carrier;
    QString notes;
    bool completed = false;
    bool hasPrices = false;
    QString currency = "BGL";
    std::vector<RequestLine> lines;

    // The sum of the line values; 0 without prices.
    double Total() const;
};

// The currencies a request may be written in.
inline const char* const kRequestCurrencies[] = {"BGL", "EUR", "USD", "GBP"};
