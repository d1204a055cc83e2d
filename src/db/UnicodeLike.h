#pragma once

#include <QString>

struct sqlite3;

// LIKE as a Bulgarian clerk expects it: '%' any run of characters, '_' any
// one, and letters compared without regard to case in every alphabet (the
// library's own LIKE folds only A to Z, so "петров" would not find
// "Петров"). An ESCAPE character is honoured.
bool LikeMatches(const QString& pattern, const QString& text, QChar escape = QChar());

// Puts that LIKE in place of the library's on a connection.
bool InstallUnicodeLike(sqlite3* handle);
