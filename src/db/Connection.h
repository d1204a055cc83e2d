#pragma once

#include "db/DbResult.h"
#include "db/SqlDialect.h"
#include "db/SqlStatement.h"

#include <QString>
#include <list>
#include <QHash>

struct sqlite3;
struct sqlite3_stmt;
class ResultTable;

// Owner of one engine connection: opens and closes the file and sends
// statements without any retry (the retry lives in Database). Statements are
// prepared once and kept for the next call with the same text; their values
// are always bound, never written into the text.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file; with create, a missing file is made. On failure the
    // handle is closed again and the result carries the engine's text.
    DbResult Open(const QString& path, bool create);
    void Close();
    bool IsOpen() const { return m_handle != nullptr; }
    // The engine's handle, for the data layer's own file work (backup,
    // checks, hooks in tests); nothing above the data layer touches it.
    sqlite3* Handle() const { return m_handle; }

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
    bool InTransaction() const;
    // How this engine says what the shared SQL cannot.
    const SqlDialect& Dialect() const { return SqliteDialect(); }
    // Whether statements are kept prepared for the next call (the default).
    // Off, every run prepares its statement anew, so the engine's per-prepare
    // hooks see each run; the kept ones are dropped.
    void KeepPrepared(bool keep);

private:
    DbResult Run(const SqlStatement& statement, ResultTable* table);
    // The prepared statement for the first statement of `text`, from the
    // cache or newly prepared; `tail` is set after it.
    DbResult Prepare(const char* text, const char** tail, sqlite3_stmt** statement, bool* kept);
    void ReleaseCached();

    sqlite3* m_handle = nullptr;
    bool m_keepPrepared = true;
    // Most recently used first; the map points into the list.
    struct Cached {
        QByteArray text;
        sqlite3_stmt* statement;
    };
    std::list<Cached> m_cache;
    QHash<QByteArray, std::list<Cached>::iterator> m_cacheIndex;
};
