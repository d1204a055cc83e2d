#pragma once

#include "base/Prompter.h"

// Message boxes of the desktop, over the active window.
class GuiPrompter : public Prompter {
public:
    void Message(const QString& text, MessageIcon icon, const QString& caption) override;
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override;
    Answer AskYesNoDefaultNo(const QString& text, MessageIcon icon) override;
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override;
};
