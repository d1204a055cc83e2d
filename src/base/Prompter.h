#pragma once

#include <QString>

// Every message box of the program goes through this interface, so that the
// behaviour classes can be driven by tests with scripted answers.
enum class MessageIcon { None, Information, Exclamation, Stop, Question };

enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    // An OK box; without a caption the box carries the program's name.
    virtual void Message(const QString& text, MessageIcon icon = MessageIcon::None,
                         const QString& caption = QString()) = 0;
    // A Yes/No box; returns Yes or No.
    virtual Answer AskYesNo(const QString& text, MessageIcon icon = MessageIcon::Question,
                            const QString& caption = QString()) = 0;
    // A Yes/No box whose Enter key answers No: for a question where the
    // careless answer must be the safe one.
    virtual Answer AskYesNoDefaultNo(const QString& text, MessageIcon icon) { return AskYesNo(text, icon); }
    // A Yes/No/Cancel box.
    virtual Answer AskYesNoCancel(const QString& text, MessageIcon icon = MessageIcon::Question) = 0;
};
