#include "session/UpgradeValues.h"

#include "settings/EntryPreferences.h"

UpgradeLocalValues UpgradeValuesOf(const EntryPreferences& settings) {
    return {settings.InvQttyPriceChanges(), settings.FirmDataName(), settings.FirmDataCity(),
            settings.FirmDataAddress(), settings.FirmDataMOL()};
}
