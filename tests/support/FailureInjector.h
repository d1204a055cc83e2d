#pragma once

#include <QByteArray>
#include <sqlite3.h>

// Makes one kind of write fail part-way through a change: after `allowed`
// statements that write (action) the table, the next is refused by the
// library's authorizer, as a full disk or a lost share would refuse it.
// Lives as long as the test needs the failure.
class FailureInjector {
public:
    FailureInjector(sqlite3* handle, int action, const char* table, int allowed)
        : m_handle(handle), m_action(action), m_table(table), m_allowed(allowed) {
        sqlite3_set_authorizer(m_handle, &FailureInjector::Authorize, this);
    }
    ~FailureInjector() { sqlite3_set_authorizer(m_handle, nullptr, nullptr); }
    FailureInjector(const FailureInjector&) = delete;
    FailureInjector& operator=(const FailureInjector&) = delete;

    // How many writes of that kind were refused.
    int Refused() const { return m_refused; }

private:
    static int Authorize(void* self, int action, const char* first, const char*, const char*, const char*) {
        auto* injector = static_cast<FailureInjector*>(self);
        if (action != injector->m_action || !first || injector->m_table != first)
            return SQLITE_OK;
        if (injector->m_allowed > 0) {
            --injector->m_allowed;
            return SQLITE_OK;
        }
        ++injector->m_refused;
        return SQLITE_DENY;
    }

    sqlite3* m_handle;
    int m_action;
    QByteArray m_table;
    int m_allowed;
    int m_refused = 0;
};
