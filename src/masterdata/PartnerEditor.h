#pragma once

#include "masterdata/Partner.h"

#include <functional>

// The create/edit dialog of a partner. On OK it hands the record to `save`
// and stays open, with everything as typed, until a save succeeds or the
// user cancels; true when saved, with the record as saved.
class PartnerEditor {
public:
    using Save = std::function<bool(Partner&)>;
    virtual ~PartnerEditor() = default;
    virtual bool EditPartner(Partner& record, const Save& save) = 0;
};
