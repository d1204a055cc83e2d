#include "db/Database.h"

#include "base/Prompter.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/ReportDbError.h"
#include "db/WriteTransaction.h"

#include <sqlite3.h>

Database::Database(ConnectionSource& source, Sleeper& sleeper, Prompter& prompter, RetryPolicy policy)
    : m_source(source), m_sleeper(sleeper), m_prompter(prompter), m_policy(policy) {}

template <typename Attempt> DbResult Database::WithRetry(Attempt attempt) {
    DbResult result;
    for (int left = m_policy.attempts; left > 0; --left) {
        sqlite3* handle = m_source.GetDatabase();
        if (!handle)
            return DbResult{DbCode::kNoDatabase, QByteArray()};
        result = attempt(handle);
        if (result.code != DbCode::kBusy)
            break;
        m_sleeper.Sleep(m_policy.pauseMs);
    }
    return result;
}

DbResult Database::ExecWithRetry(const QByteArray& sql) {
    return WithRetry([&](sqlite3* handle) { return Connection::ExecOnce(handle, sql); });
}

DbResult Database::QueryWithRetry(const QByteArray& sql, ResultTable& table) {
    return WithRetry([&](sqlite3* handle) { return Connection::QueryOnce(handle, sql, table); });
}

namespace {
DbResult formatMismatch(const char* format) {
    return DbResult{DbCode::kMisuse, QByteArray("statement values do not match the format: ") + format};
}
} // namespace

DbResult Database::ExecFormatted(const char* format, std::initializer_list<SqlArg> args) {
    const auto sql = SqlFormat(format, args);
    return sql ? ExecWithRetry(*sql) : formatMismatch(format);
}

DbResult Database::QueryFormatted(ResultTable& table, const char* format,
                                  std::initializer_list<SqlArg> args) {
    table.Clear();
    const auto sql = SqlFormat(format, args);
    return sql ? QueryWithRetry(*sql, table) : formatMismatch(format);
}

void Database::ReportDbError(DbResult& result) {
    if (m_openTransaction) {
        m_openTransaction->Defer(DbErrorText(result), MessageIcon::None);
        result = DbResult();
        return;
    }
    ::ReportDbError(m_prompter, result);
}

void Database::Inform(const QString& text, MessageIcon icon) {
    if (m_openTransaction)
        m_openTransaction->Defer(text, icon);
    else
        m_prompter.Message(text, icon);
}

bool Database::InTransaction() {
    sqlite3* handle = m_source.GetDatabase();
    return handle && sqlite3_get_autocommit(handle) == 0;
}

bool Database::Succeeded(DbResult& result) {
    if (result.Ok())
        return true;
    ReportDbError(result);
    return false;
}

bool Database::Exec(const QByteArray& sql) {
    DbResult result = ExecWithRetry(sql);
    return Succeeded(result);
}
