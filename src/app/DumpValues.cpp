#include "app/DumpValues.h"

#include <QRegularExpression>

namespace {
QString quotedIfNumber(const QString& value) {
    static const QRegularExpression number("^[+-]?[0-9]+(\\.[0-9]*)?([eE][+-]?[0-9]+)?$");
    const QString bare = value.trimmed();
    return number.match(bare).hasMatch() ? "'" + bare + "'" : value;
}

// A quoted text kept as a BLOB, which no column affinity converts.
QString keptAsTyped(const QString& value) {
    return value.trimmed().startsWith('\'') ? "CAST(" + value.trimmed() + " AS BLOB)" : value;
}

const QRegularExpression& insertHead() {
    static const QRegularExpression head(
        "^\\s*INSERT\\s+INTO\\s+('(?:[^']|'')*'|\"(?:[^\"]|\"\")*\"|\\[[^\\]]*\\]|\\S+?)\\s*VALUES\\s*\\(",
        QRegularExpression::CaseInsensitiveOption);
    return head;
}
} // namespace

QString InsertTable(const QString& statement) {
    const QRegularExpressionMatch match = insertHead().match(statement);
    if (!match.hasMatch())
        return QString();
    const QString name = match.captured(1);
    const QChar open = name.front();
    if (open == '\'' || open == '"')
        return name.mid(1, name.size() - 2).replace(QString(2, open), QString(open));
    if (open == '[')
        return name.mid(1, name.size() - 2);
    return name;
}

QString QuoteBareNumbers(const QString& statement, const QSet<int>& asTyped) {
    const QRegularExpressionMatch match = insertHead().match(statement);
    if (!match.hasMatch())
        return statement;
    QString result = statement.left(match.capturedEnd());
    qsizetype start = match.capturedEnd();
    bool inText = false;
    int depth = 0;
    int position = 0;
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
                const QString value = quotedIfNumber(statement.mid(start, i - start));
                result += (asTyped.contains(position++) ? keptAsTyped(value) : value) + c;
                start = i + 1;
                if (c == ')')
                    return result + statement.mid(start);
            }
        }
    }
    return statement; // not a complete list of values: left to the library to judge
}
