#pragma once

#include <QString>
#include <optional>

class LocalSettings;
class Prompter;

// A one-field input dialog; nothing when the user cancels.
class TextInput {
public:
    virtual ~TextInput() = default;
    virtual std::optional<QString> AskText(const QString& title, const QString& label, const QString& initial) = 0;
};

// Edits the field separator of exported CSV files; an empty one is refused.
// True when a new value was stored.
bool EditCsvSeparator(LocalSettings& settings, Prompter& prompter, TextInput& input);
