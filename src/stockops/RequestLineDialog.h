#pragma once

#include "trade/SaleLinePricing.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The line dialog "количество и цена" of a supplier request: the quantity,
// the supplier's code for the item, the price (only in a request with
// prices, among the price kinds of a sale line) and a note.
class RequestLineDialog {
public:
    struct Request {
        QString name;
        QString code;
        QStringList supplierCodes; // the item's partner codes
        bool useSupplierCode = false;
        QString supplierCode;
        double quantity = 0;
        bool withPrices = false;
        SaleLinePricing::Choice start; // the price the dialog opens with
        const SaleLinePricing* pricing = nullptr;
        QString notes;
    };
    struct Answer {
        bool useSupplierCode = false;
        QString supplierCode;
        double quantity = 0;
        double price = 0;
        int kind = SaleLinePricing::Typed;
        QString notes;
    };
    // What OK refuses, for the dialog to put the focus back.
    enum class Refusal { None, Quantity, Price, SupplierCode };

    virtual ~RequestLineDialog() = default;
    // OK hands the answer to `accept` and closes only when it has no
    // refusal, so what was typed stays.
    virtual std::optional<Answer> AskLine(const Request& request,
                                          const std::function<Refusal(const Answer&)>& accept) = 0;
};
