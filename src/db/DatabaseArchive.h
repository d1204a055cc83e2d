#pragma once

#include "db/GzipStream.h"

#include <QDateTime>
#include <QString>

class LocalSettings;
struct sqlite3;

// Where archives of the database go: the directory chosen for them
// (`BackupDir`), else the database's own directory.
QString ArchiveDirectoryOf(const LocalSettings& settings, const QString& databasePath);

// The name of an archive made at `now`: the directory, "TV", the local date
// and time as YYYYMMDDhhmmss, and ".Z". Two archives of one second share it.
QString ArchiveFileName(const QString& directory, const QDateTime& now);

// Archives the database open on `handle`: the library's backup copies it,
// consistent even while other seats write, into a temporary file beside the
// archive, which is then compressed into `destination` (whole or not at
// all). The error text, empty on success.
QString ArchiveDatabase(sqlite3* handle, const QString& destination, const WorkProgress& progress);

// Puts the database of `archive` in place of `databasePath`, never in place:
// the archive is unpacked beside the database and checked (it opens, passes
// the quick check, holds a format 1 to 14); then `releaseOwnConnection`
// closes this program's connection, and the file is refused while another
// seat uses it or an interrupted change left its journal; only then is the
// new file renamed over the old one. Any failure leaves the old file as it
// was. The error text, empty on success.
QString RestoreDatabase(const QString& archive, const QString& databasePath,
                        const std::function<void()>& releaseOwnConnection, const WorkProgress& progress);
