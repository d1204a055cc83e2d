#include "db/StatementText.h"

#include <cctype>

namespace {
bool blank(const QByteArray& text) {
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r')
            return false;
    return true;
}
} // namespace

std::vector<StatementPiece> SplitStatements(const QByteArray& text) {
    std::vector<StatementPiece> pieces;
    StatementPiece current;
    const qsizetype n = text.size();
    auto finish = [&] {
        if (!blank(current.text))
            pieces.push_back(current);
        current = StatementPiece();
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            // To the closing quote; a doubled quote stays inside.
            qsizetype j = i + 1;
            while (j < n && !(text[j] == c && (j + 1 >= n || text[j + 1] != c)))
                j += text[j] == c ? 2 : 1;
            current.text += text.mid(i, j - i + 1);
            i = j;
        } else if (c == '-' && i + 1 < n && text[i + 1] == '-') {
            const qsizetype j = text.indexOf('\n', i);
            current.text += text.mid(i, j < 0 ? -1 : j - i);
            i = j < 0 ? n : j - 1;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            const qsizetype j = text.indexOf("*/", i + 2);
            const qsizetype end = j < 0 ? n : j + 2;
            current.text += text.mid(i, end - i);
            i = end - 1;
        } else if (c == '$' && (i == 0 || !std::isalnum(static_cast<unsigned char>(text[i - 1])))) {
            // A dollar-quoted body: $tag$ ... $tag$.
            qsizetype j = i + 1;
            while (j < n && (std::isalnum(static_cast<unsigned char>(text[j])) || text[j] == '_'))
                ++j;
            if (j < n && text[j] == '$') {
                const QByteArray tag = text.mid(i, j - i + 1);
                const qsizetype close = text.indexOf(tag, j + 1);
                const qsizetype end = close < 0 ? n : close + tag.size();
                current.text += text.mid(i, end - i);
                i = end - 1;
            } else {
                current.text += c;
            }
        } else if (c == '?') {
            current.text += '$' + QByteArray::number(++current.values);
        } else if (c == ';') {
            finish();
        } else {
            current.text += c;
        }
    }
    finish();
    return pieces;
}
