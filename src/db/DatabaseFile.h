#pragma once

#include <QString>

// What stands under the database's name in its directory. An empty file is
// no database (a creation killed at the wrong moment leaves one), so it
// counts as absent for opening and creating alike.
enum class DatabaseFileState {
    Absent,     // nothing there, or an empty file
    Present,    // a file with content, directly or through a link
    BrokenLink, // a symbolic link to a place that cannot be reached
    NotAFile,   // a directory or the like: no database, and none can be made
};
DatabaseFileState InspectDatabaseFile(const QString& path);

// Puts the finished file `built` under `path` without ever overwriting a
// database another seat put there meanwhile, and without ever removing a
// link: it is linked into place only while nothing is there, and an empty
// file is replaced only by the seat that holds its lock and finds it still
// empty. `built` is gone afterwards, whatever the outcome.
enum class PublishResult { Published, AlreadyThere, Failed };
PublishResult PublishDatabaseFile(const QString& built, const QString& path);
