#pragma once

#include <optional>

// Opens the group tree for choosing an item's group; nothing when cancelled.
class GroupChooser {
public:
    virtual ~GroupChooser() = default;
    virtual std::optional<int> ChooseGroup(int currentGroup) = 0;
};
