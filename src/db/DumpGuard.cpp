#include "db/DumpGuard.h"

#include "db/Connection.h"

#include <cstring>
#include <sqlite3.h>

namespace {

bool isMain(const char* database) {
    return database == nullptr || std::strcmp(database, "main") == 0;
}

} // namespace

DumpGuard::DumpGuard(Connection& connection) : m_handle(connection.Handle()) {
    m_attachLimit = sqlite3_limit(m_handle, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_set_authorizer(m_handle, &DumpGuard::Authorize, this);
}

DumpGuard::~DumpGuard() {
    sqlite3_set_authorizer(m_handle, nullptr, nullptr);
    sqlite3_limit(m_handle, SQLITE_LIMIT_ATTACHED, m_attachLimit);
}

int DumpGuard::Authorize(void* self, int action, const char* first, const char*, const char* database,
                         const char*) {
    bool allowed = false;
    switch (action) {
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_INSERT:
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_REINDEX: // a new index fills itself
        allowed = isMain(database);
        break;
    case SQLITE_UPDATE:
        // A CREATE writes its statement into the schema table, nothing else.
        allowed = isMain(database) && first != nullptr && std::strcmp(first, "sqlite_master") == 0;
        break;
    case SQLITE_FUNCTION:
        // The values of a dump may be spelt with char() or replace().
        allowed = first != nullptr && std::strcmp(first, "load_extension") != 0;
        break;
    default:
        break;
    }
    if (!allowed)
        static_cast<DumpGuard*>(self)->m_refused = true;
    return allowed ? SQLITE_OK : SQLITE_DENY;
}

bool DumpScanner::AddLine(const QByteArray& line, int lineNumber) {
    bool mayEnd = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (m_blockComment) {
            if (c == '*' && i + 1 < line.size() && line[i + 1] == '/') {
                m_blockComment = false;
                ++i;
            }
        } else if (m_quote != 0) {
            // A doubled quote inside a string stays inside it.
            if (c == m_quote)
                m_quote = 0;
        } else if (c == '\'' || c == '"' || c == '`') {
            m_quote = c;
        } else if (c == '[') {
            m_quote = ']';
        } else if (c == '-' && i + 1 < line.size() && line[i + 1] == '-') {
            break; // the rest of the line is a comment
        } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '*') {
            m_blockComment = true;
            ++i;
        } else if (c == ';') {
            mayEnd = true;
        }
    }
    if (m_quote != 0 && m_openAtLineEnd == 0)
        m_openAtLineEnd = lineNumber;
    return mayEnd;
}

bool IsCompleteStatement(const QByteArray& sql) {
    return sqlite3_complete(sql.constData()) != 0;
}

QSet<int> DumpGuard::MemoColumns(const QString& table) const {
    QSet<int> columns;
    const QByteArray sql = "SELECT * FROM \"" + table.toUtf8().replace('"', "\"\"") + "\"";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_handle, sql.constData(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return columns;
    }
    for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        const char* declared = sqlite3_column_decltype(statement, column);
        if (declared && QByteArray(declared).trimmed().toUpper() == "MEMO")
            columns.insert(column);
    }
    sqlite3_finalize(statement);
    return columns;
}
