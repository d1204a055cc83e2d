#pragma once

#include "db/Connection.h"

#include <QByteArray>
#include <sqlite3.h>

// Makes one kind of write fail part-way through a change: after `allowed`
// statements that write (action: SQLITE_INSERT, SQLITE_UPDATE, SQLITE_DELETE)
// the table, the next is refused, as a full disk or a lost share would refuse
// it. An UPDATE of the file is counted once per column it sets, so give the
// column to count statements. Lives as long as the test needs the failure.
// On the file the library's authorizer refuses: it is asked when a statement
// is prepared, so the connection prepares every run anew while the injector
// lives. On a server a trigger for each statement refuses, counting in
// sequences, which a rolled-back change does not take back; a table that
// must not be read is renamed away while the injector lives.
class FailureInjector {
public:
    FailureInjector(Connection* connection, int action, const char* table, int allowed, const char* column = nullptr)
        : m_connection(connection), m_handle(connection->Handle()), m_action(action), m_table(table), m_column(column),
          m_allowed(allowed) {
        if (!m_handle && m_action == SQLITE_READ) {
            Server("ALTER TABLE " + m_table + " RENAME TO tarvo_injected_away;");
            return;
        }
        if (!m_handle) {
            InstallTrigger();
            return;
        }
        m_connection->KeepPrepared(false);
        sqlite3_set_authorizer(m_handle, &FailureInjector::Authorize, this);
    }
    ~FailureInjector() {
        if (!m_handle && m_action == SQLITE_READ) {
            Server("ALTER TABLE tarvo_injected_away RENAME TO " + m_table + ";");
            return;
        }
        if (!m_handle) {
            Server("DROP TRIGGER IF EXISTS tarvo_injected ON " + m_table + ";");
            return;
        }
        sqlite3_set_authorizer(m_handle, nullptr, nullptr);
        m_connection->KeepPrepared(true);
    }
    FailureInjector(const FailureInjector&) = delete;
    FailureInjector& operator=(const FailureInjector&) = delete;

    // How many writes of that kind were refused.
    int Refused() {
        if (m_handle)
            return m_refused;
        ResultTable count;
        m_connection->Query("SELECT last_value - 1 AS refused FROM tarvo_injected_refused;", count);
        return count.Int(1, 0);
    }

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

    void Server(const QByteArray& sql) { m_connection->Exec(sql); }

    void InstallTrigger() {
        const QByteArray event = m_action == SQLITE_INSERT   ? "INSERT"
                                 : m_action == SQLITE_DELETE ? "DELETE"
                                 : m_column.isNull()         ? QByteArray("UPDATE")
                                                             : "UPDATE OF " + m_column;
        Server("DROP SEQUENCE IF EXISTS tarvo_injected_seen; DROP SEQUENCE IF EXISTS tarvo_injected_refused; "
               "CREATE SEQUENCE tarvo_injected_seen; CREATE SEQUENCE tarvo_injected_refused;");
        Server("SELECT nextval('tarvo_injected_refused');");
        Server("CREATE OR REPLACE FUNCTION tarvo_injected_fail() RETURNS trigger LANGUAGE plpgsql AS $body$ "
               "BEGIN IF nextval('tarvo_injected_seen') > " +
               QByteArray::number(m_allowed) +
               " THEN PERFORM nextval('tarvo_injected_refused'); RAISE EXCEPTION 'not authorized'; END IF; "
               "RETURN NULL; END $body$;");
        Server("CREATE TRIGGER tarvo_injected BEFORE " + event + " ON " + m_table +
               " FOR EACH STATEMENT EXECUTE FUNCTION tarvo_injected_fail();");
    }

    Connection* m_connection;
    sqlite3* m_handle;
    int m_action;
    QByteArray m_table;
    QByteArray m_column;
    int m_allowed;
    int m_refused = 0;
};
