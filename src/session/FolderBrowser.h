#pragma once

#include "base/DirectoryChooser.h"

#include <QString>

class MachinePreferences;

enum class FolderPurpose { Database = 0, Archives = 1, HeadImage = 2 };

// Asks for a directory for the given purpose, starting where the settings say;
// the result ends with a separator, or is empty when the user cancelled.
QString BrowseForFolder(FolderPurpose purpose, const MachinePreferences& settings, DirectoryChooser& chooser);
