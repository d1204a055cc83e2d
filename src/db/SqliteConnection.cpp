#include "db/SqliteConnection.h"

#include "db/ResultTable.h"
#include "db/UnicodeLike.h"

#include <cstring>
#include <sqlite3.h>

namespace {

// Prepared statements kept per connection; a form's statements and a save's
// steps fit, so repeated calls never prepare again.
constexpr size_t kCachedStatements = 200;

DbResult failure(sqlite3* handle, int rc) {
    return DbResult{rc, QByteArray(sqlite3_errmsg(handle))};
}

DbResult mismatch() {
    return DbResult{SQLITE_MISUSE, QByteArray("statement values do not match its placeholders")};
}

DbResult bind(sqlite3_stmt* statement, std::vector<SqlValue>::const_iterator& next,
              std::vector<SqlValue>::const_iterator end) {
    const int count = sqlite3_bind_parameter_count(statement);
    for (int k = 1; k <= count; ++k) {
        if (next == end)
            return mismatch();
        const SqlValue& value = *next++;
        int rc = SQLITE_OK;
        if (const long long* integer = value.AsInteger())
            rc = sqlite3_bind_int64(statement, k, *integer);
        else if (const double* real = value.AsReal())
            rc = sqlite3_bind_double(statement, k, *real);
        else if (const QByteArray* text = value.AsText())
            rc = sqlite3_bind_text(statement, k, text->constData(), static_cast<int>(text->size()),
                                   SQLITE_TRANSIENT);
        else
            rc = sqlite3_bind_null(statement, k);
        if (rc != SQLITE_OK)
            return failure(sqlite3_db_handle(statement), rc);
    }
    return {};
}

// Runs one bound statement to its end, adding its rows to the table (when
// there is one).
DbResult collectRows(sqlite3* handle, sqlite3_stmt* statement, ResultTable* table, bool* haveColumns) {
    const int columns = table ? sqlite3_column_count(statement) : 0;
    if (columns > 0 && !*haveColumns) {
        std::vector<std::string> names;
        for (int k = 0; k < columns; ++k) {
            const char* name = sqlite3_column_name(statement, k);
            names.emplace_back(name ? name : "");
        }
        table->SetColumnNames(std::move(names));
        *haveColumns = true;
    } else if (columns > 0 && columns != table->Columns()) {
        return DbResult{SQLITE_ERROR, QByteArray("queries with different column counts in one call")};
    }
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE)
            return {};
        if (rc != SQLITE_ROW)
            return rc == SQLITE_BUSY ? DbResult{rc, QByteArray()} : failure(handle, rc);
        if (!table)
            continue;
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
        table->AddRow(std::move(cells));
    }
}

} // namespace

SqliteConnection::~SqliteConnection() {
    ReleaseCached();
    sqlite3_close_v2(m_handle);
}

std::unique_ptr<SqliteConnection> SqliteConnection::Open(const QString& path, bool create, DbResult& result) {
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle, flags, nullptr);
    if (rc == SQLITE_OK && InstallUnicodeLike(handle)) {
        result = {};
        return std::unique_ptr<SqliteConnection>(new SqliteConnection(handle));
    }
    result = DbResult{rc, QByteArray(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc))};
    sqlite3_close_v2(handle);
    return nullptr;
}

void SqliteConnection::ReleaseCached() {
    for (Cached& cached : m_cache)
        sqlite3_finalize(cached.statement);
    m_cache.clear();
    m_cacheIndex.clear();
}

bool SqliteConnection::InTransaction() const {
    return sqlite3_get_autocommit(m_handle) == 0;
}

void SqliteConnection::KeepPrepared(bool keep) {
    m_keepPrepared = keep;
    if (!keep)
        ReleaseCached();
}

DbResult SqliteConnection::Prepare(const char* text, const char** tail, sqlite3_stmt** statement,
                                   bool* kept) {
    *kept = false;
    // Almost every call is one statement: its whole text is the key. A
    // script of several statements is prepared piece by piece and not kept.
    const QByteArray key = QByteArray::fromRawData(text, static_cast<qsizetype>(std::strlen(text)));
    if (auto found = m_cacheIndex.find(key); found != m_cacheIndex.end()) {
        m_cache.splice(m_cache.begin(), m_cache, found.value());
        *statement = found.value()->statement;
        *tail = text + key.size();
        *kept = true;
        return {};
    }
    const int rc = sqlite3_prepare_v3(m_handle, text, -1, SQLITE_PREPARE_PERSISTENT, statement, tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
        return rc == SQLITE_BUSY ? DbResult{rc, QByteArray()} : failure(m_handle, rc);
    }
    // Statements with values are the ones called again and again; the rest
    // (the schema, a dump's rows) are prepared for their one run.
    if (m_keepPrepared && *statement && !**tail && sqlite3_bind_parameter_count(*statement) > 0) {
        *kept = true;
        m_cache.push_front(Cached{QByteArray(text), *statement});
        m_cacheIndex.insert(m_cache.front().text, m_cache.begin());
        if (m_cache.size() > kCachedStatements) {
            sqlite3_finalize(m_cache.back().statement);
            m_cacheIndex.remove(m_cache.back().text);
            m_cache.pop_back();
        }
    }
    return {};
}

DbResult SqliteConnection::Run(const SqlStatement& statement, ResultTable* table) {
    if (statement.malformed)
        return mismatch();
    bool haveColumns = false;
    auto next = statement.values.cbegin();
    const char* text = statement.text.constData();
    while (text && *text) {
        const char* tail = nullptr;
        sqlite3_stmt* prepared = nullptr;
        bool cached = false;
        DbResult result = Prepare(text, &tail, &prepared, &cached);
        if (result.Failed())
            return result;
        text = tail;
        if (!prepared) // white space or a comment
            continue;
        result = bind(prepared, next, statement.values.cend());
        if (result.Ok())
            result = collectRows(m_handle, prepared, table, &haveColumns);
        if (cached) {
            sqlite3_reset(prepared);
            sqlite3_clear_bindings(prepared);
        } else {
            sqlite3_finalize(prepared);
        }
        if (result.Failed())
            return result;
    }
    if (next != statement.values.cend())
        return mismatch();
    DbResult done;
    done.changedRows = sqlite3_changes64(m_handle);
    return done;
}
