#pragma once

#include "base/Prompter.h"

#include <algorithm>
#include <vector>

// Removes the chosen rows of a document's list once the user confirms;
// false when nothing was chosen or the user kept them.
template <typename Row>
bool RemoveChosenRows(Prompter& prompter, std::vector<Row>& rows, const std::vector<int>& indices) {
    if (indices.empty() ||
        prompter.AskYesNo("Сигурни ли сте, че желаете това?", MessageIcon::Question) != Answer::Yes)
        return false;
    std::vector<int> sorted = indices;
    std::sort(sorted.rbegin(), sorted.rend());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int index : sorted)
        if (index >= 0 && index < static_cast<int>(rows.size()))
            rows.erase(rows.begin() + index);
    return true;
}
