#pragma once

#include "sales/FreeTextLineDialog.h"
#include "sales/SaleDetails.h"
#include "sales/SalePrintout.h"
#include "support/ScriptedChoosers.h"
#include "support/ScriptedItems.h"
#include "trade/SaleLineDialog.h"

#include <array>
#include <deque>
#include <functional>

// Scripted answers for the choosers and dialogs of the sale form: each call
// takes the next answer; none left means the user cancelled.

// Answers the line dialog with a quantity and, unless a kind is chosen, the
// price the dialog opened with. Keeps what it was shown.
class ScriptedLines : public SaleLineDialog {
public:
    struct Reply {
        double quantity = 1;
        int kind = -1; // -1: keep the kind the dialog opened with
        double typedPrice = 0;
    };
    std::optional<Answer> AskLine(const Request& request,
                                  const std::function<bool(const Answer&)>& accept) override {
        shown.push_back(request);
        std::array<SaleLinePricing::Choice, 6> offered;
        for (int kind = 0; kind < 6; ++kind)
            offered[static_cast<size_t>(kind)] = request.pricing->Select(kind);
        kinds.push_back(offered);
        while (!replies.empty()) {
            const Reply reply = replies.front();
            replies.pop_front();
            SaleLinePricing::Choice choice =
                reply.kind < 0 ? request.start : request.pricing->Select(reply.kind);
            if (choice.editable)
                choice.price = reply.typedPrice;
            const Answer answer{reply.quantity, choice.price, choice.kind};
            if (accept(answer))
                return answer;
        }
        return std::nullopt;
    }
    std::deque<Reply> replies;
    std::vector<Request> shown; // the pricing inside lives only during the call
    std::vector<std::array<SaleLinePricing::Choice, 6>> kinds;
};

class ScriptedFreeText : public FreeTextLineDialog {
public:
    std::optional<Line> AskFreeText(const Line& initial,
                                    const std::function<bool(const Line&)>& accept) override {
        shown.push_back(initial);
        while (!lines.empty()) {
            const Line line = lines.front();
            lines.pop_front();
            if (accept(line))
                return line;
        }
        return std::nullopt;
    }
    std::deque<Line> lines;
    std::vector<Line> shown;
};

// Changes the details with each edit in turn and presses OK once.
class ScriptedDetails : public SaleDetailsDialog {
public:
    bool EditDetails(SaleDetails& details, const SaleDetailsChoices& offered, const Accept& accept,
                     SaleDetails::Field focus) override {
        choices = offered;
        ++opened;
        focused = focus;
        if (edits.empty())
            return false;
        edits.front()(details);
        edits.pop_front();
        refused = accept(details);
        return refused == SaleDetails::Field::None;
    }
    std::deque<std::function<void(SaleDetails&)>> edits;
    SaleDetailsChoices choices;
    int opened = 0;
    SaleDetails::Field focused = SaleDetails::Field::None; // where the last opening put the focus
    SaleDetails::Field refused = SaleDetails::Field::None; // what its OK was refused for
};

// Keeps every document sent to the preview or straight to the printer.
class RecordingSalePrinter : public SalePrinter {
public:
    void Preview(const SalePrintout& printout) override { previewed.push_back(printout); }
    void PrintNow(const SalePrintout& printout) override { printed.push_back(printout); }
    std::vector<SalePrintout> previewed;
    std::vector<SalePrintout> printed;
};
