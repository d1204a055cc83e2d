#pragma once

#include "base/ConsolePrompter.h"

// A clerk who answers Yes to every question. Loud, each box is printed where
// the console prompter prints (a second process's parent sees it was asked);
// quiet, nothing is printed (a benchmark).
class YesPrompter : public ConsolePrompter {
public:
    explicit YesPrompter(bool loud = true) : m_loud(loud) {}
    void Message(const QString& text, MessageIcon icon, const QString& caption) override {
        if (m_loud)
            ConsolePrompter::Message(text, icon, caption);
    }
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override {
        if (m_loud)
            ConsolePrompter::Message(text, icon, caption);
        return Answer::Yes;
    }
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
        if (m_loud)
            ConsolePrompter::Message(text, icon, QString());
        return Answer::Yes;
    }

private:
    bool m_loud;
};
