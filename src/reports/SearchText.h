#pragma once

#include <QString>

class TextInput;

// The search text of a form (F3 asks for it, F4 clears it): a row is shown
// when its code or name contains the text, whatever the case.
class SearchText {
public:
    // Shows "ТЪРСЕНЕ" pre-filled; true when the user confirmed a text, and
    // the form then reloads and selects its first row.
    bool Ask(TextInput& input);
    void Clear() { m_text.clear(); }
    const QString& Text() const { return m_text; }
    bool Matches(const QString& code, const QString& name) const;

private:
    QString m_text;
};
