#pragma once

#include <QString>
#include <optional>
#include <functional>

class QFile;

// Writes a file so that it appears whole or not at all: `fill` writes
// PATH.part, which is flushed to the disk and renamed over PATH (an older
// file of that name is replaced). A failure, from `fill` (its error text) or
// from the disk, removes the part file and leaves PATH as it was. The error
// text, empty on success.
QString WriteFileWhole(const QString& path, const std::function<QString(QFile&)>& fill);

// Renames `from` over `to` and flushes the directory, so the new name
// survives a power cut. The error text, empty on success.
QString ReplaceFile(const QString& from, const QString& to);

// Gives the finished file `from` the name `wanted`, or, when another file
// has it already (two runs in one second), the first free of wanted with
// "-2", "-3" ... before its extension; never replaces a file. The name it
// took, or nothing with the reason in `error`.
std::optional<QString> PublishUnderFreeName(const QString& from, const QString& wanted, QString& error);
