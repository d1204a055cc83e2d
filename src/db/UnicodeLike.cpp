#include "db/UnicodeLike.h"

#include <sqlite3.h>
#include <vector>

bool LikeMatches(const QString& patternText, const QString& textText, QChar escape) {
    const QString pattern = patternText.toCaseFolded();
    const QString text = textText.toCaseFolded();
    // The pattern as tokens: a literal character, '%' (any run) or '_' (one).
    struct Token {
        enum Kind { Literal, Any, One } kind;
        QChar c;
    };
    std::vector<Token> tokens;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!escape.isNull() && c == escape && i + 1 < pattern.size())
            tokens.push_back({Token::Literal, pattern[++i]});
        else if (c == '%')
            tokens.push_back({Token::Any, c});
        else if (c == '_')
            tokens.push_back({Token::One, c});
        else
            tokens.push_back({Token::Literal, c});
    }
    // Matching with backtracking to the last '%': linear in practice.
    size_t t = 0, p = 0, star = SIZE_MAX, resume = 0;
    const size_t length = static_cast<size_t>(text.size());
    while (t < length) {
        if (p < tokens.size() && tokens[p].kind == Token::Any) {
            star = p++;
            resume = t;
        } else if (p < tokens.size() &&
                   (tokens[p].kind == Token::One || tokens[p].c == text[static_cast<int>(t)])) {
            ++p;
            ++t;
        } else if (star != SIZE_MAX) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].kind == Token::Any)
        ++p;
    return p == tokens.size();
}

namespace {
QString textOf(sqlite3_value* value) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? QString::fromUtf8(bytes, sqlite3_value_bytes(value)) : QString();
}

void like(sqlite3_context* context, int count, sqlite3_value** values) {
    if (sqlite3_value_type(values[0]) == SQLITE_NULL || sqlite3_value_type(values[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    QChar escape;
    if (count == 3) {
        const QString e = textOf(values[2]);
        if (e.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    // like(X, Y) is "Y LIKE X".
    sqlite3_result_int(context, LikeMatches(textOf(values[0]), textOf(values[1]), escape) ? 1 : 0);
}
} // namespace

bool InstallUnicodeLike(sqlite3* handle) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function_v2(handle, "like", 2, flags, nullptr, like, nullptr, nullptr, nullptr) ==
               SQLITE_OK &&
           sqlite3_create_function_v2(handle, "like", 3, flags, nullptr, like, nullptr, nullptr, nullptr) ==
               SQLITE_OK;
}
