#include "session/UpgradeValues.h"

#include "settings/LocalSettings.h"

UpgradeLocalValues UpgradeValuesOf(const LocalSettings& settings) {
    return {settings.InvQttyPriceChanges(), settings.FirmDataName(), settings.FirmDataCity(),
            settings.FirmDataAddress(), settings.FirmDataMOL()};
}
