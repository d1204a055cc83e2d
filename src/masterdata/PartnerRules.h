#pragma once

#include "masterdata/Partner.h"

class Prompter;

// The rules of the partner dialog.
namespace PartnerRules {
QString DialogTitle(const Partner& record);
// OK is offered while the partner has a name and is a customer, a supplier or both.
bool CanAccept(const Partner& record);
// The first rule the record breaks is told; true when it keeps them all.
bool Validate(const Partner& record, Prompter& prompter);
// Names without outer spaces, IBAN and BIC without spaces and in capitals.
void Normalize(Partner& record);
} // namespace PartnerRules
