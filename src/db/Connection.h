#pragma once

#include "db/DbResult.h"

#include <QString>

struct sqlite3;
class ResultTable;

// Owner of one library handle: opens and closes the file and sends single
// statements without any retry (the retry lives in Database).
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file; with create, a missing file is made. On failure the
    // handle is closed again and the result carries the library's text.
    DbResult Open(const QString& path, bool create);
    void Close();
    sqlite3* Handle() const { return m_handle; }

    // One attempt at a statement (or several separated by ';').
    static DbResult ExecOnce(sqlite3* handle, const QByteArray& sql);
    // One attempt at a query, filling the table; a busy or failing attempt
    // leaves the table empty.
    static DbResult QueryOnce(sqlite3* handle, const QByteArray& sql, ResultTable& table);

private:
    sqlite3* m_handle = nullptr;
};
