#pragma once

#include <QString>
#include <ostream>

// Readable Qt texts in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
