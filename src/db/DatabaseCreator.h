#pragma once

#include "db/Database.h"

#include <QString>

class Connection;
class Prompter;
class Sleeper;

// Makes a new, empty database file of the current version. The file is
// built under a name of its own in the same directory and put in place only
// when it is complete, so no file ever claims a version whose tables it
// lacks, and a database another seat created meanwhile is kept, never
// replaced. On failure only the file this call made is removed and the user
// is told. Unless it failed, the connection is left open on the database.
enum class CreationResult { Created, FoundExisting, Failed };
CreationResult CreateDatabase(const QString& path, Connection& connection, Sleeper& sleeper,
                              Prompter& prompter, RetryPolicy policy = {});

// The tables, the version row and the indexes of a new database of the
// current version, in the connection's dialect, all in one change.
bool CreateSchema(Database& db);

// Sends the index statements in order; a failing one (an index that exists
// already) is skipped. Returns how many were created.
int CreateIndexes(Database& db);
