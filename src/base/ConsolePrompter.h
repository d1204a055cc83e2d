#pragma once

#include "base/Prompter.h"

// The prompter of the administrator's command line: messages go to standard
// error; a question cannot be answered there, so it is printed and declined.
class ConsolePrompter : public Prompter {
public:
    void Message(const QString& text, MessageIcon icon, const QString& caption) override;
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override;
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override;
};
