#pragma once

#include <QString>
#include <optional>

// A one-field input dialog; nothing when the user cancels.
class TextInput {
public:
    virtual ~TextInput() = default;
    virtual std::optional<QString> AskText(const QString& title, const QString& label,
                                           const QString& initial) = 0;
};
