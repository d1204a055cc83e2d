#pragma once

#include "db/upgrade/UpgradeStep.h"

class EntryPreferences;

// The values of the user's settings file an upgrade of an old database takes along.
UpgradeLocalValues UpgradeValuesOf(const EntryPreferences& settings);
