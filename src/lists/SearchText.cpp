#include "lists/SearchText.h"

#include "base/TextInput.h"

bool SearchText::Ask(TextInput& input, const QString& prompt) {
    const auto text = input.AskText("ТЪРСЕНЕ", prompt, m_text);
    if (!text)
        return false;
    m_text = *text;
    return true;
}

bool SearchText::MatchesAny(const QStringList& texts) const {
    if (m_text.isEmpty())
        return true;
    const QString wanted = m_text.toUpper();
    for (const QString& text : texts)
        if (text.toUpper().contains(wanted))
            return true;
    return false;
}
