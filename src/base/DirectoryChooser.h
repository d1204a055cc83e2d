#pragma once

#include <QString>

// Shows a folder chooser; returns the chosen directory or an empty text.
class DirectoryChooser {
public:
    virtual ~DirectoryChooser() = default;
    virtual QString ChooseDirectory(const QString& caption, const QString& startDirectory) = 0;
};
