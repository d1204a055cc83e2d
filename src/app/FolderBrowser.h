#pragma once

#include <QString>

class LocalSettings;

// Shows a folder chooser; returns the chosen directory or an empty text.
class DirectoryChooser {
public:
    virtual ~DirectoryChooser() = default;
    virtual QString ChooseDirectory(const QString& caption, const QString& startDirectory) = 0;
};

enum class FolderPurpose { Database = 0, Archives = 1, HeadImage = 2 };

// Asks for a directory for the given purpose, starting where the settings say;
// the result ends with a separator, or is empty when the user cancelled.
QString BrowseForFolder(FolderPurpose purpose, const LocalSettings& settings, DirectoryChooser& chooser);
