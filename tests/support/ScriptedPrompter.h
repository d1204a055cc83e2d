#pragma once

#include "base/Prompter.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <vector>

// A prompter that records every box and answers questions from a queue. A
// question nobody expected fails the test and is answered No.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, YesNo, YesNoCancel };
    struct Shown {
        Kind kind;
        QString text;
        MessageIcon icon;
        QString caption;
    };

    void Expect(Answer answer) { m_answers.push_back(answer); }
    // A question with this text always gets this answer, whenever it comes.
    void AnswerAlways(const QString& text, Answer answer) { m_standing[text] = answer; }

    // Run as each box appears: one for the fixture's checks, one for a test.
    std::function<void(const QString&)> guard;
    std::function<void(const QString&)> onBox;

    void Message(const QString& text, MessageIcon icon, const QString& caption) override;
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override;
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override;

    const std::vector<Shown>& Boxes() const { return m_shown; }
    QStringList Texts() const;
    int Count() const { return static_cast<int>(m_shown.size()); }
    void Clear() { m_shown.clear(); }
    bool AllAnswersUsed() const { return m_answers.empty(); }

private:
    void Shows(Kind kind, const QString& text, MessageIcon icon, const QString& caption);
    Answer Next(Answer fallback);

    std::deque<Answer> m_answers;
    std::map<QString, Answer> m_standing;
    std::vector<Shown> m_shown;
};
