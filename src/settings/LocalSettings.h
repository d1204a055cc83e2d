#pragma once

#include "settings/EntryPreferences.h"
#include "settings/ListPreferences.h"
#include "settings/MachinePreferences.h"
#include "settings/PrintPreferences.h"

// The per-user settings of this computer, one file with a class per concern.
// A class that needs one concern takes that one (a LocalSettings is each of
// them); the session and the main window hold the whole.
class LocalSettings : public PrintPreferences,
                      public EntryPreferences,
                      public ListPreferences,
                      public MachinePreferences {
public:
    // The user's own settings file.
    LocalSettings() : SettingsFile() {}
    // A settings file at the given path (tests, other users).
    explicit LocalSettings(const QString& iniPath) : SettingsFile(iniPath) {}
};
