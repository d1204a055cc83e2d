#pragma once

#include "base/NumberInput.h"

#include <deque>
#include <vector>

// The number dialog answered from a queue; none left means the user
// cancelled. Keeps the values it opened with.
class ScriptedNumbers : public NumberInput {
public:
    std::optional<double> AskNumber(const QString&, const QString&, double initial, int places) override {
        opened.push_back(initial);
        decimals.push_back(places);
        if (answers.empty())
            return std::nullopt;
        const double answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<double> answers;
    std::vector<double> opened;
    std::vector<int> decimals;
};
