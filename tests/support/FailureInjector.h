#pragma once

#include "db/Connection.h"

#include <QByteArray>
#include <sqlite3.h>

// Makes one kind of write fail part-way through a change: after `allowed`
// statements that write (action: SQLITE_INSERT, SQLITE_UPDATE, SQLITE_DELETE)
// the table, the next is refused by the library's authorizer, as a full disk
// or a lost share would refuse it. An UPDATE is counted once per column it
// sets, so give the column to count statements. Lives as long as the test
// needs the failure. The authorizer is asked when a statement is prepared, so
// the connection prepares every run anew while the injector lives.
class FailureInjector {
public:
    FailureInjector(Connection* connection, int action, const char* table, int allowed, const char* column = nullptr)
        : m_connection(connection), m_handle(connection->Handle()), m_action(action), m_table(table), m_column(column),
          m_allowed(allowed) {
        m_connection->KeepPrepared(false);
        sqlite3_set_authorizer(m_handle, &FailureInjector::Authorize, this);
    }
    ~FailureInjector() {
        sqlite3_set_authorizer(m_handle, nullptr, nullptr);
        m_connection->KeepPrepared(true);
    }
    FailureInjector(const FailureInjector&) = delete;
    FailureInjector& operator=(const FailureInjector&) = delete;

    // How many writes of that kind were refused.
    int Refused() const { return m_refused; }

private:
    static int Authorize(void* self, int action, const char* first, const char* second, const char*,
                         const char*) {
        auto* injector = static_cast<FailureInjector*>(self);
        if (action != injector->m_action || !first || injector->m_table != first)
            return SQLITE_OK;
        if (!injector->m_column.isNull() && (!second || injector->m_column != second))
            return SQLITE_OK;
        if (injector->m_allowed > 0) {
            --injector->m_allowed;
            return SQLITE_OK;
        }
        ++injector->m_refused;
        return SQLITE_DENY;
    }

    Connection* m_connection;
    sqlite3* m_handle;
    int m_action;
    QByteArray m_table;
    QByteArray m_column;
    int m_allowed;
    int m_refused = 0;
};
