#pragma once

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A figure rounded to a fixed count of decimals (halves up, as RoundHalfUp
// does) before it is bound, so the stored figure is the one shown on screen.
struct SqlDecimal {
    double value;
    int places;
};

// One value bound to a placeholder: NULL, an integer, a real or a text.
class SqlValue {
public:
    SqlValue() = default;
    SqlValue(long long v) : m_value(v) {}
    SqlValue(double v) : m_value(v) {}
    SqlValue(QByteArray v) : m_value(std::move(v)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(m_value); }
    const long long* AsInteger() const { return std::get_if<long long>(&m_value); }
    const double* AsReal() const { return std::get_if<double>(&m_value); }
    const QByteArray* AsText() const { return std::get_if<QByteArray>(&m_value); }
    bool operator==(const SqlValue& other) const { return m_value == other.m_value; }

private:
    std::variant<std::monostate, long long, double, QByteArray> m_value;
};

struct SqlStatement;

// One argument of a statement pattern: a value for a '?' or, for a %s, a
// piece of statement text the program composed itself (a column, a clause),
// or a composed piece with values of its own.
// Numbers and texts only, so that a value of the wrong kind is caught when
// the statement is composed, not by the engine. A null QString binds as an
// empty text; std::nullopt binds NULL.
class SqlArg {
public:
    SqlArg(int v) : m_value(static_cast<long long>(v)) {}
    SqlArg(unsigned v) : m_value(static_cast<long long>(v)) {}
    SqlArg(long v) : m_value(static_cast<long long>(v)) {}
    SqlArg(long long v) : m_value(v) {}
    SqlArg(double v) : m_value(v) {}
    SqlArg(SqlDecimal v);
    SqlArg(std::nullopt_t) {}
    SqlArg(const std::optional<QString>& v) : m_value(v ? v->toUtf8() : SqlValue()) {}
    SqlArg(const char* v) : m_value(QByteArray(v ? v : "")) {}
    SqlArg(const std::string& v) : m_value(QByteArray::fromStdString(v)) {}
    SqlArg(const QByteArray& v) : m_value(v.isNull() ? QByteArray("") : v) {}
    SqlArg(const QString& v) : m_value(v.isNull() ? QByteArray("") : v.toUtf8()) {}
    SqlArg(const SqlStatement& piece) : m_piece(&piece) {}

    const SqlValue& Value() const { return m_value; }
    // The composed piece for a %s, or null.
    const SqlStatement* Piece() const { return m_piece; }

private:
    SqlValue m_value;
    const SqlStatement* m_piece = nullptr;
};

// The LIKE pattern that finds a typed text anywhere in a value; a '%' or '_'
// the clerk typed stays a wildcard, as in every search.
inline QString LikeAnywhere(const QString& text) {
    return '%' + text + '%';
}

// A statement's text with a '?' for each value and the values in their
// order. Pieces join with +=, their values following in the same order.
struct SqlStatement {
    SqlStatement() = default;
    SqlStatement(const char* sql) : text(sql) {}
    SqlStatement(QByteArray sql) : text(std::move(sql)) {}
    SqlStatement(QByteArray sql, std::vector<SqlValue> bound) : text(std::move(sql)), values(std::move(bound)) {}

    SqlStatement& operator+=(const SqlStatement& other);
    bool operator==(const SqlStatement& other) const = default;

    QByteArray text;
    std::vector<SqlValue> values;
    // The pattern and its arguments did not match; the statement must not run.
    bool malformed = false;
};

SqlStatement operator+(SqlStatement left, const SqlStatement& right);

// Composes a statement from a pattern: each '?' outside quotes takes the
// next argument as a bound value, each %s takes it as program-composed text
// put into the statement, %% is a percent sign. Any other conversion, a value
// of the wrong kind or a count that does not match gives a malformed
// statement, which the data layer refuses to run.
SqlStatement SqlCompose(const char* pattern, std::initializer_list<SqlArg> args);

