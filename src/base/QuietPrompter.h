#pragma once

#include "base/Prompter.h"

// Passes warnings, errors and questions on, and keeps information to itself:
// loading a document only to show or render it says nothing about loading.
class QuietPrompter : public Prompter {
public:
    explicit QuietPrompter(Prompter& user) : m_user(user) {}
    void Message(const QString& text, MessageIcon icon, const QString& caption) override {
        if (icon != MessageIcon::Information)
            m_user.Message(text, icon, caption);
    }
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override {
        return m_user.AskYesNo(text, icon, caption);
    }
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
        return m_user.AskYesNoCancel(text, icon);
    }

private:
    Prompter& m_user;
};
