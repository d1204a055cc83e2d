#pragma once

#include "db/ConnectionEngine.h"
#include "db/DbResult.h"
#include "db/SqlDialect.h"
#include "db/SqlStatement.h"

#include <QString>
#include <memory>

struct sqlite3;
class ResultTable;

// Owner of one connection to where a firm lives: the embedded file, or a
// PostgreSQL server for a location that is a connection string. Sends
// statements without any retry (the retry lives in Database); their values
// are always bound, never written into the text, and each statement is
// prepared once per connection.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file (with create, a missing file is made) or connects to the
    // server. On failure nothing stays open and the result carries the
    // engine's text.
    DbResult Open(const QString& location, bool create);
    // Connects to the server with a password the user typed, handed to the
    // library alone.
    DbResult OpenServer(const QString& location, const QString& password);
    void Close();
    bool IsOpen() const { return m_engine != nullptr; }
    // True on a server.
    bool IsServer() const { return IsOpen() && !Handle(); }
    // The embedded file's handle, for the data layer's own file work (backup,
    // checks, hooks in tests); null on a server and while closed.
    sqlite3* Handle() const { return m_engine ? m_engine->SqliteHandle() : nullptr; }

    // One attempt at a statement (or several separated by ';', the values
    // taken in order), its rows dropped.
    DbResult Exec(const SqlStatement& statement);
    // One attempt at a query, filling the table; a busy or failing attempt
    // leaves the table empty.
    DbResult Query(const SqlStatement& statement, ResultTable& table);
    // A plain transaction on this connection alone (the import's own file).
    DbResult Begin() { return Exec("BEGIN;"); }
    DbResult Commit() { return Exec("COMMIT;"); }
    // True while a transaction is open.
    bool InTransaction() const { return m_engine && m_engine->InTransaction(); }
    // How this engine says what the shared SQL cannot (the embedded file's
    // while closed).
    const SqlDialect& Dialect() const { return m_engine ? m_engine->Dialect() : SqliteDialect(); }
    // Whether statements are kept prepared for the next call (the default).
    // Off, every run prepares its statement anew, so the engine's per-prepare
    // hooks see each run; the kept ones are dropped.
    void KeepPrepared(bool keep);

private:
    std::unique_ptr<ConnectionEngine> m_engine;
    bool m_keepPrepared = true;
};
