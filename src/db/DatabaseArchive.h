#pragma once

#include "db/GzipStream.h"

#include <QDateTime>
#include <QString>

class Connection;

// Where archives of the database go: the directory chosen for them
// (`BackupDir`), else the database's own directory.
QString ArchiveDirectoryOf(const QString& chosen, const QString& databasePath);

// The name of an archive made at `now`: the directory, "TV", the local date
// and time as YYYYMMDDhhmmss, and ".Z". Two archives of one second share it.
QString ArchiveFileName(const QString& directory, const QDateTime& now);

// Archives the database open on `handle`: the library's backup copies it,
// consistent even while other seats write, into a private temporary file of
// this run (never in the archive folder), which is then compressed into a
// part file of this run beside the archive, read back whole, and given the
// name `destination`, or the first free one after it when another run took
// it in the same second (`written` tells which). Nothing stays of a run that
// fails; what a killed run left is cleared by the next. The error text,
// empty on success.
QString ArchiveDatabase(Connection& connection, const QString& destination, const WorkProgress& progress,
                        QString* written = nullptr);

// Puts the database of `archive` in place of `databasePath` (or of the file
// a symbolic link of that name points to), never in place: the archive is
// unpacked beside the database and checked (it opens, passes the quick
// check, holds a format 1 to 14); then `releaseOwnConnection` closes this
// program's connection, and the file is refused while another seat or
// process uses it; an old file the library cannot read at all is replaced
// when nobody holds a lock on it. Only then is the new file renamed over the
// old one. Any failure leaves the old file as it was. The error text, empty
// on success.
QString RestoreDatabase(const QString& archive, const QString& databasePath,
                        const std::function<void()>& releaseOwnConnection, const WorkProgress& progress);
