#pragma once

#include <QString>

// The PostgreSQL server the data tests run against a second time: started
// for the run by scripts/test, which names it in TARVO_TEST_SERVER (a
// connection string with %1 for the database) and marks the second run with
// TARVO_TEST_ENGINE=server. Each test gets a database of its own, made from
// the template with the schema of a new firm.
namespace TestServer {

// True in the run on the server.
bool Wanted();
// A new database for one test, copied from the template; its connection
// string, or empty (with why) when the server cannot give one.
QString NewDatabase(QString* why);
// An empty database (no tables) for one test.
QString NewEmptyDatabase(QString* why);
// Drops a database NewDatabase gave, whoever is still connected.
void DropDatabase(const QString& location);

} // namespace TestServer
