#include "db/SqlFormat.h"

#include "format/Rounding.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QByteArray quoteDoubled(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size() + 2);
    for (char c : text) {
        out.append(c);
        if (c == '\'')
            out.append('\'');
    }
    return out;
}

// printf of one numeric conversion, with the flags, width and precision of
// the format and the length modifier the value needs.
QByteArray printNumber(const std::string& directive, char conversion, const SqlArg& arg, bool* ok) {
    char buffer[512];
    int written = -1;
    if (std::strchr("diuxXo", conversion)) {
        const long long* value = arg.AsInteger();
        if (!value) {
            *ok = false;
            return {};
        }
        const std::string full = directive + "ll" + conversion;
        written = std::snprintf(buffer, sizeof buffer, full.c_str(), *value);
    } else {
        double value = 0;
        if (const double* real = arg.AsReal())
            value = *real;
        else if (const long long* integer = arg.AsInteger())
            value = static_cast<double>(*integer);
        else {
            *ok = false;
            return {};
        }
        // A fixed number of decimals is rounded the way the program rounds
        // everywhere else, so the stored text is the one shown on screen.
        const size_t point = directive.find('.');
        if (conversion == 'f' && point != std::string::npos) {
            value = RoundHalfUp(value, std::atoi(directive.c_str() + point + 1));
            if (value == 0)
                value = 0; // no "-0.000"
        }
        const std::string full = directive + conversion;
        written = std::snprintf(buffer, sizeof buffer, full.c_str(), value);
    }
    if (written < 0 || written >= static_cast<int>(sizeof buffer)) {
        *ok = false;
        return {};
    }
    return QByteArray(buffer, written);
}

} // namespace

std::optional<QByteArray> SqlFormat(const char* format, std::initializer_list<SqlArg> args) {
    QByteArray out;
    auto next = args.begin();
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out.append(*p);
            continue;
        }
        ++p;
        if (*p == '%') {
            out.append('%');
            continue;
        }
        std::string directive = "%";
        while (*p && std::strchr("-+ 0#", *p))
            directive += *p++;
        while (*p >= '0' && *p <= '9')
            directive += *p++;
        if (*p == '.') {
            directive += *p++;
            while (*p >= '0' && *p <= '9')
                directive += *p++;
        }
        while (*p == 'l' || *p == 'h')
            ++p;
        const char conversion = *p;
        if (!conversion || next == args.end())
            return std::nullopt;
        const SqlArg& arg = *next++;
        if (conversion == 's' || conversion == 'q' || conversion == 'Q') {
            const QByteArray* text = arg.AsText();
            if (!text)
                return std::nullopt;
            if (conversion == 's')
                out.append(*text);
            else if (conversion == 'q')
                out.append(quoteDoubled(*text));
            else if (text->isNull())
                out.append("NULL");
            else
                out.append('\'').append(quoteDoubled(*text)).append('\'');
        } else if (std::strchr("diuxXofeEgG", conversion)) {
            bool ok = true;
            out.append(printNumber(directive, conversion, arg, &ok));
            if (!ok)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (next != args.end())
        return std::nullopt;
    return out;
}
