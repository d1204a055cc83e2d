#pragma once

#include "masterdata/ItemChooser.h"

#include <deque>
#include <vector>

// The item picker answered from a queue of codes; none left means the user
// cancelled. Keeps the kind masks it was opened with.
class ScriptedItems : public ItemChooser {
public:
    std::optional<QString> ChooseItem(ItemKinds allowed, ItemKinds) override {
        masks.push_back(allowed);
        if (codes.empty())
            return std::nullopt;
        const QString code = codes.front();
        codes.pop_front();
        return code;
    }
    std::deque<QString> codes;
    std::vector<ItemKinds> masks;
};
