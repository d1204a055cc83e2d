#pragma once

#include "db/Database.h"

#include <QString>

class Connection;
class Prompter;
class Sleeper;

// Makes a new, empty database file of the current version. The whole sequence
// is one transaction: if any statement fails, it is rolled back, the new file
// is removed and the user is told, so no file ever claims a version whose
// tables it lacks. On success the connection is left open on the new file.
bool CreateDatabase(const QString& path, Connection& connection, Sleeper& sleeper, Prompter& prompter,
                    RetryPolicy policy = {});

// Sends the index statements in order; a failing one (an index that exists
// already) is skipped. Returns how many were created.
int CreateIndexes(Database& db);
