#pragma once

#include "masterdata/ItemKinds.h"

#include <QString>
#include <optional>

// The item picker "Избор на артикули" as documents use it: the code of the
// chosen item, or nothing when cancelled.
class ItemChooser {
public:
    virtual ~ItemChooser() = default;
    virtual std::optional<QString> ChooseItem(int kindMask, PickerTab tab) = 0;
};
