#pragma once

#include "db/ConnectionEngine.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <list>
#include <memory>

struct sqlite3_stmt;

// The embedded file: statements are prepared once and kept for the next call
// with the same text.
class SqliteConnection : public ConnectionEngine {
public:
    ~SqliteConnection() override;
    // Opens the file; with create, a missing file is made. Nothing when it
    // failed, with the engine's text in the result.
    static std::unique_ptr<SqliteConnection> Open(const QString& path, bool create, DbResult& result);

    DbResult Run(const SqlStatement& statement, ResultTable* table) override;
    bool InTransaction() const override;
    const SqlDialect& Dialect() const override { return SqliteDialect(); }
    void KeepPrepared(bool keep) override;
    sqlite3* SqliteHandle() const override { return m_handle; }

private:
    explicit SqliteConnection(sqlite3* handle) : m_handle(handle) {}
    // The prepared statement for the first statement of `text`, from the
    // cache or newly prepared; `tail` is set after it.
    DbResult Prepare(const char* text, const char** tail, sqlite3_stmt** statement, bool* kept);
    void ReleaseCached();

    sqlite3* m_handle;
    bool m_keepPrepared = true;
    // Most recently used first; the map points into the list.
    struct Cached {
        QByteArray text;
        sqlite3_stmt* statement;
    };
    std::list<Cached> m_cache;
    QHash<QByteArray, std::list<Cached>::iterator> m_cacheIndex;
};
