#include "base/ConsolePrompter.h"

#include <cstdio>

namespace {
void print(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}
} // namespace

void ConsolePrompter::Message(const QString& text, MessageIcon, const QString&) {
    print(text);
}

Answer ConsolePrompter::AskYesNo(const QString& text, MessageIcon, const QString&) {
    print(text);
    return Answer::No;
}

Answer ConsolePrompter::AskYesNoCancel(const QString& text, MessageIcon) {
    print(text);
    return Answer::Cancel;
}
