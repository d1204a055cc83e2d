#include "reports/SearchText.h"

#include "app/Choosers.h"

bool SearchText::Ask(TextInput& input) {
    const auto text = input.AskText("ТЪРСЕНЕ", "Търсене по код или име:", m_text);
    if (!text)
        return false;
    m_text = *text;
    return true;
}

bool SearchText::Matches(const QString& code, const QString& name) const {
    if (m_text.isEmpty())
        return true;
    const QString wanted = m_text.toUpper();
    return code.toUpper().contains(wanted) || name.toUpper().contains(wanted);
}
