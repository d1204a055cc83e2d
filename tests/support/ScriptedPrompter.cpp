#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

void ScriptedPrompter::Shows(Kind kind, const QString& text, MessageIcon icon, const QString& caption) {
    m_shown.push_back({kind, text, icon, caption});
    if (guard)
        guard(text);
    if (onBox)
        onBox(text);
}

void ScriptedPrompter::Message(const QString& text, MessageIcon icon, const QString& caption) {
    Shows(Kind::Message, text, icon, caption);
}

Answer ScriptedPrompter::AskYesNo(const QString& text, MessageIcon icon, const QString& caption) {
    Shows(Kind::YesNo, text, icon, caption);
    if (const auto standing = m_standing.find(text); standing != m_standing.end())
        return standing->second;
    return Next(Answer::No);
}

Answer ScriptedPrompter::AskYesNoCancel(const QString& text, MessageIcon icon) {
    Shows(Kind::YesNoCancel, text, icon, QString());
    return Next(Answer::No);
}

Answer ScriptedPrompter::Next(Answer fallback) {
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << m_shown.back().text.toStdString();
        return fallback;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedPrompter::Texts() const {
    QStringList texts;
    for (const auto& box : m_shown)
        texts << box.text;
    return texts;
}
