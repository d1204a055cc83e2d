#include "db/Connection.h"

#include "db/ResultTable.h"
#include "db/UnicodeLike.h"

#include <sqlite3.h>

Connection::~Connection() {
    Close();
}

DbResult Connection::Open(const QString& path, bool create) {
    Close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_handle, flags, nullptr);
    if (rc == SQLITE_OK && InstallUnicodeLike(m_handle))
        return {};
    DbResult result{rc, QByteArray(m_handle ? sqlite3_errmsg(m_handle) : sqlite3_errstr(rc))};
    Close();
    return result;
}

void Connection::Close() {
    if (m_handle) {
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
    }
}

DbResult Connection::ExecOnce(sqlite3* handle, const QByteArray& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(handle, sql.constData(), nullptr, nullptr, &error);
    DbResult result{rc, error ? QByteArray(error) : QByteArray()};
    sqlite3_free(error);
    return result;
}

namespace {

DbResult failure(sqlite3* handle, int rc) {
    return DbResult{rc, QByteArray(sqlite3_errmsg(handle))};
}

// Runs one prepared statement to its end, adding its rows to the table.
DbResult collectRows(sqlite3* handle, sqlite3_stmt* statement, ResultTable& table, bool* haveColumns) {
    const int columns = sqlite3_column_count(statement);
    if (columns > 0 && !*haveColumns) {
        std::vector<std::string> names;
        for (int k = 0; k < columns; ++k) {
            const char* name = sqlite3_column_name(statement, k);
            names.emplace_back(name ? name : "");
        }
        table.SetColumnNames(std::move(names));
        *haveColumns = true;
    } else if (columns > 0 && columns != table.Columns()) {
        return DbResult{SQLITE_ERROR, QByteArray("queries with different column counts in one call")};
    }
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE)
            return {};
        if (rc != SQLITE_ROW)
            return rc == SQLITE_BUSY ? DbResult{rc, QByteArray()} : failure(handle, rc);
        std::vector<std::optional<std::string>> cells;
        cells.reserve(static_cast<size_t>(columns));
        for (int k = 0; k < columns; ++k) {
            const unsigned char* text = sqlite3_column_text(statement, k);
            if (text)
                cells.emplace_back(std::string(reinterpret_cast<const char*>(text),
                                               static_cast<size_t>(sqlite3_column_bytes(statement, k))));
            else
                cells.emplace_back(std::nullopt);
        }
        table.AddRow(std::move(cells));
    }
}

} // namespace

DbResult Connection::QueryOnce(sqlite3* handle, const QByteArray& sql, ResultTable& table) {
    table.Clear();
    bool haveColumns = false;
    const char* tail = sql.constData();
    while (tail && *tail) {
        sqlite3_stmt* statement = nullptr;
        const int rc = sqlite3_prepare_v2(handle, tail, -1, &statement, &tail);
        if (rc != SQLITE_OK) {
            DbResult result = rc == SQLITE_BUSY ? DbResult{rc, QByteArray()} : failure(handle, rc);
            table.Clear();
            return result;
        }
        if (!statement)
            continue; // white space or a comment
        DbResult result = collectRows(handle, statement, table, &haveColumns);
        sqlite3_finalize(statement);
        if (result.Failed()) {
            table.Clear();
            return result;
        }
    }
    return {};
}
