#pragma once

#include "trade/SaleLinePricing.h"

#include <QString>
#include <functional>
#include <optional>

class Prompter;

// The line dialog "количество и продажна цена": quantity and price of a
// catalogue item, with the price kinds of its pricing.
class SaleLineDialog {
public:
    struct Request {
        QString code;
        QString name;
        double quantity = 1;
        SaleLinePricing::Choice start; // the price the dialog opens with
        const SaleLinePricing* pricing = nullptr;
    };
    struct Answer {
        double quantity = 0;
        double price = 0;
        int kind = SaleLinePricing::Price1;
    };
    virtual ~SaleLineDialog() = default;
    // OK hands the answer to `accept` and closes only when it agrees, so a
    // refused quantity keeps what was typed.
    virtual std::optional<Answer> AskLine(const Request& request,
                                          const std::function<bool(const Answer&)>& accept) = 0;
};

// What OK of a line dialog refuses: a quantity that is not positive and a
// negative price, each with its message. True when the line may stand.
bool AcceptSaleLine(Prompter& prompter, double quantity, double price);
