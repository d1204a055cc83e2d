#pragma once

#include <QByteArray>

// Result codes of the library that the program tells apart.
namespace DbCode {
inline constexpr int kOk = 0;
inline constexpr int kError = 1;
inline constexpr int kBusy = 5;
inline constexpr int kReadOnly = 8;
inline constexpr int kCorrupt = 11;
inline constexpr int kFull = 13;
inline constexpr int kCantOpen = 14;
inline constexpr int kMisuse = 21;
inline constexpr int kNotADatabase = 26;
// No connection could be had (the user declined or creation failed); the
// library was not called and the user has already been told.
inline constexpr int kNoDatabase = -1;
// The server's connection broke; a change under way was rolled back by the
// server and the next statement connects again.
inline constexpr int kConnectionLost = -2;
// The server refused the user or the password.
inline constexpr int kServerPassword = -3;
// The server is older than the program works with.
inline constexpr int kServerTooOld = -4;
// The server could not be reached.
inline constexpr int kServerUnreachable = -5;
// The server answered, but holds no database of that name.
inline constexpr int kServerNoDatabase = -6;
} // namespace DbCode

// The outcome of one statement: the library's result code and its error text
// (null when the library gave none).
struct DbResult {
    int code = DbCode::kOk;
    QByteArray error;
    // The rows the last statement of a successful run inserted, changed or deleted.
    long long changedRows = 0;

    // A statement failed when the library left an error text or it stayed busy.
    bool Failed() const { return !error.isNull() || code == DbCode::kBusy || code == DbCode::kNoDatabase; }
    bool Ok() const { return !Failed(); }
};
