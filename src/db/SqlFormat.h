#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

// One value for a statement format. Numbers and texts only, so that a value of
// the wrong kind is caught when the statement is composed, not by the library.
class SqlArg {
public:
    SqlArg(int v) : m_value(static_cast<long long>(v)) {}
    SqlArg(unsigned v) : m_value(static_cast<long long>(v)) {}
    SqlArg(long v) : m_value(static_cast<long long>(v)) {}
    SqlArg(long long v) : m_value(v) {}
    SqlArg(double v) : m_value(v) {}
    SqlArg(const char* v) : m_value(v ? QByteArray(v) : QByteArray()) {}
    SqlArg(const std::string& v) : m_value(QByteArray::fromStdString(v)) {}
    SqlArg(const QByteArray& v) : m_value(v) {}
    SqlArg(const QString& v) : m_value(v.isNull() ? QByteArray() : v.toUtf8()) {}

    const long long* AsInteger() const { return std::get_if<long long>(&m_value); }
    const double* AsReal() const { return std::get_if<double>(&m_value); }
    const QByteArray* AsText() const { return std::get_if<QByteArray>(&m_value); }

private:
    std::variant<long long, double, QByteArray> m_value;
};

// Composes a statement the way the library's formatter does: printf
// conversions for numbers (a fixed count of decimals rounded half up, as
// RoundHalfUp does), %s for text the program composed itself, %q for
// typed text inside quotes (apostrophes doubled), %Q for a quoted text or NULL,
// %% for a percent sign. Returns nothing when the values do not match the
// conversions in number or kind.
std::optional<QByteArray> SqlFormat(const char* format, std::initializer_list<SqlArg> args);
