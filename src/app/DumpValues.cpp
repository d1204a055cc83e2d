#include "app/DumpValues.h"

#include <QRegularExpression>

namespace {
QString quotedIfNumber(const QString& value) {
    static const QRegularExpression number("^[+-]?[0-9]+(\\.[0-9]*)?([eE][+-]?[0-9]+)?$");
    const QString bare = value.trimmed();
    return number.match(bare).hasMatch() ? "'" + bare + "'" : value;
}
} // namespace

QString QuoteBareNumbers(const QString& statement) {
    static const QRegularExpression head(
        "^\\s*INSERT\\s+INTO\\s+(?:'(?:[^']|'')*'|\"(?:[^\"]|\"\")*\"|\\[[^\\]]*\\]|\\S+?)\\s*VALUES\\s*\\(",
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = head.match(statement);
    if (!match.hasMatch())
        return statement;
    QString result = statement.left(match.capturedEnd());
    qsizetype start = match.capturedEnd();
    bool inText = false;
    int depth = 0;
    for (qsizetype i = start; i < statement.size(); ++i) {
        const QChar c = statement[i];
        if (inText) {
            if (c == '\'') {
                if (i + 1 < statement.size() && statement[i + 1] == '\'')
                    ++i;
                else
                    inText = false;
            }
        } else if (c == '\'') {
            inText = true;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (c == ',' || c == ')') {
            if (depth == 0) {
                result += quotedIfNumber(statement.mid(start, i - start)) + c;
                start = i + 1;
                if (c == ')')
                    return result + statement.mid(start);
            }
        }
    }
    return statement; // not a complete list of values: left to the library to judge
}
