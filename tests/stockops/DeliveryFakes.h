#pragma once

#include "stockops/DeliveryLineDialog.h"
#include "stockops/DeliveryPrintout.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedItems.h"

#include <deque>
#include <vector>

// Answers the delivery line dialog from a queue; none left (or none the form
// accepts) means the user cancelled. Keeps what it was shown, and can press
// the price calculation first.
class ScriptedDeliveryLines : public DeliveryLineDialog {
public:
    struct Calculation {
        double total = 0;
        double quantity = 0;
        bool removeVat = false;
    };
    std::optional<Answer> AskLine(const Request& request,
                                  const std::function<bool(const Answer&)>& accept) override {
        shown.push_back(request);
        while (!replies.empty()) {
            Answer answer = replies.front();
            replies.pop_front();
            if (!calculations.empty()) {
                const Calculation c = calculations.front();
                calculations.pop_front();
                const std::optional<double> price = request.priceFromTotal(c.total, c.quantity, c.removeVat);
                calculated.push_back(price);
                if (price)
                    answer.price = *price;
            }
            if (accept(answer))
                return answer;
        }
        return std::nullopt;
    }
    std::deque<Answer> replies;
    std::deque<Calculation> calculations;
    std::vector<Request> shown;
    std::vector<std::optional<double>> calculated;
};

class RecordingDeliveryPrinter : public DeliveryPrinter {
public:
    void Preview(const DeliveryPrintout& printout) override { previewed.push_back(printout); }
    std::vector<DeliveryPrintout> previewed;
};
