#pragma once

#include "db/ConnectionEngine.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

struct pg_conn;

// A firm's database on a PostgreSQL server, through libpq: statements with
// values are prepared once per session and kept; values travel as text and
// the server gives each its column's type. Numbers come back as the embedded
// file shows them (7, 2.5, 3.0), so every reader and every printed figure is
// the same on both engines. A connection lost between changes is opened again
// on the next statement; one lost inside a change fails it, and the server
// rolls the change back.
class PgConnection : public ConnectionEngine {
public:
    ~PgConnection() override;
    // Connects; a password typed by the user (or empty) is handed to libpq
    // alone. Nothing when it failed, the reason in the result.
    static std::unique_ptr<PgConnection> Open(const QString& location, const QString& password,
                                              DbResult& result);

    DbResult Run(const SqlStatement& statement, ResultTable* table) override;
    bool InTransaction() const override;
    const SqlDialect& Dialect() const override;
    void KeepPrepared(bool keep) override;

private:
    explicit PgConnection(pg_conn* handle) : m_handle(handle) {}
    // After a lost connection: a new session, its prepared statements gone.
    bool Reconnect();

    pg_conn* m_handle;
    bool m_keepPrepared = true;
    QHash<QByteArray, QByteArray> m_prepared; // statement text, its name on the server
    int m_named = 0;
};

// The oldest major version of the server the program works with.
inline constexpr int kOldestServerVersion = 14;
