#include "masterdata/FirmData.h"

bool FirmData::IsComplete() const {
    if (firmName.isEmpty() || city.isEmpty() || address.isEmpty() || mol.isEmpty())
        return false;
    if (taxId.isEmpty() && vatRegistered == 0)
        return false;
    return !bulstat.isEmpty() || vatRegistered != 1;
}
