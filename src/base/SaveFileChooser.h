#pragma once

#include <QString>

// The file chooser for a file to write; an empty text when the user cancels.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    virtual QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                                   const QString& filter) = 0;
};
