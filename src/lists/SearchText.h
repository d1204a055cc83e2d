#pragma once

#include <QString>
#include <QStringList>

class TextInput;

// The search text of a form (F3 asks for it, F4 clears it): a row is shown
// when its code or name contains the text, whatever the case.
class SearchText {
public:
    // Shows "ТЪРСЕНЕ" pre-filled, saying what is searched; true when the
    // user confirmed a text, and the form then reloads and selects its first row.
    bool Ask(TextInput& input, const QString& prompt = "Търсене по код или име:");
    void Clear() { m_text.clear(); }
    // A text typed into a form's own search box.
    void Set(const QString& text) { m_text = text; }
    const QString& Text() const { return m_text; }
    bool Matches(const QString& code, const QString& name) const { return MatchesAny({code, name}); }
    // True when any of the texts contains the search text.
    bool MatchesAny(const QStringList& texts) const;

private:
    QString m_text;
};
