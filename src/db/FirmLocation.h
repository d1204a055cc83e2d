#pragma once

#include <QString>

// Where a firm's data live: a folder holding its tarvo.db, or a PostgreSQL
// database named by a connection string ("postgresql://server/firma", with
// libpq's own rules for the password file, sslmode and a socket host).
bool IsServerLocation(const QString& location);

// The location as it may be shown, remembered or written to a log: a
// password given in the connection string is left out.
QString WithoutPassword(const QString& location);

// The connection string of a server, a database and a user, as the
// connection dialog asks for them; a server that is a folder is a socket.
QString ServerLocation(const QString& server, const QString& database, const QString& user);
