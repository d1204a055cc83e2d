#pragma once

#include <QString>
#include <optional>

// The small modal choosers a command may open, behind interfaces so that the
// behaviour classes can be driven by tests with scripted answers.

// A one-field input dialog; nothing when the user cancels.
class TextInput {
public:
    virtual ~TextInput() = default;
    virtual std::optional<QString> AskText(const QString& title, const QString& label, const QString& initial) = 0;
};

// The file chooser for a file to write; an empty text when the user cancels.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    virtual QString ChooseSaveFile(const QString& caption, const QString& suggestedName, const QString& filter) = 0;
};

// Shows a folder chooser; returns the chosen directory or an empty text.
class DirectoryChooser {
public:
    virtual ~DirectoryChooser() = default;
    virtual QString ChooseDirectory(const QString& caption, const QString& startDirectory) = 0;
};
