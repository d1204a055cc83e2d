#include "db/SqlStatement.h"

#include "format/Rounding.h"

namespace {

SqlValue rounded(SqlDecimal v) {
    double value = RoundHalfUp(v.value, v.places);
    if (value == 0)
        value = 0; // no "-0.000"
    return SqlValue(value);
}

SqlStatement malformed(const char* pattern) {
    SqlStatement statement{QByteArray(pattern)};
    statement.malformed = true;
    return statement;
}

} // namespace

SqlArg::SqlArg(SqlDecimal v) : m_value(rounded(v)) {}

SqlStatement& SqlStatement::operator+=(const SqlStatement& other) {
    text += other.text;
    values.insert(values.end(), other.values.begin(), other.values.end());
    malformed = malformed || other.malformed;
    return *this;
}

SqlStatement operator+(SqlStatement left, const SqlStatement& right) {
    left += right;
    return left;
}

SqlStatement SqlCompose(const char* pattern, std::initializer_list<SqlArg> args) {
    SqlStatement out;
    auto next = args.begin();
    char quote = 0;
    for (const char* p = pattern; *p; ++p) {
        const char c = *p;
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            if (next == args.end())
                return malformed(pattern);
            if (next->Piece())
                return malformed(pattern);
            out.values.push_back((next++)->Value());
        }
        if (c != '%') {
            out.text.append(c);
            continue;
        }
        ++p;
        if (*p == '%') {
            out.text.append('%');
            continue;
        }
        if (*p != 's' || next == args.end())
            return malformed(pattern);
        const SqlArg& arg = *next++;
        if (const SqlStatement* piece = arg.Piece())
            out += *piece;
        else if (const QByteArray* text = arg.Value().AsText())
            out.text.append(*text);
        else
            return malformed(pattern);
    }
    if (next != args.end())
        return malformed(pattern);
    return out;
}
