#pragma once

#include "masterdata/PartnerList.h"

#include <optional>

// The partner selection dialog as documents use it: the id of the chosen
// partner, or nothing when the user cancelled.
class PartnerChooser {
public:
    virtual ~PartnerChooser() = default;
    virtual std::optional<int> ChoosePartner(PartnerTab initialTab, int preselectedId) = 0;
};
