#include "db/Database.h"

#include "base/Prompter.h"
#include "base/Sleeper.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/ReportDbError.h"
#include "db/WriteTransaction.h"

Database::Database(ConnectionSource& source, Sleeper& sleeper, Prompter& prompter, RetryPolicy policy)
    : m_source(source), m_sleeper(sleeper), m_prompter(prompter), m_policy(policy) {}

template <typename Attempt> DbResult Database::WithRetry(Attempt attempt) {
    DbResult result;
    for (int left = m_policy.attempts; left > 0; --left) {
        Connection* connection = m_source.GetDatabase();
        if (!connection)
            return DbResult{DbCode::kNoDatabase, QByteArray()};
        result = attempt(*connection);
        if (result.code != DbCode::kBusy)
            break;
        m_sleeper.Sleep(m_policy.pauseMs);
    }
    return result;
}

DbResult Database::ExecWithRetry(const SqlStatement& sql) {
    const DbResult result = WithRetry([&](Connection& connection) { return connection.Exec(sql); });
    m_lastChangedRows = result.Ok() ? result.changedRows : 0;
    return result;
}

DbResult Database::QueryWithRetry(const SqlStatement& sql, ResultTable& table) {
    table.Clear();
    return WithRetry([&](Connection& connection) { return connection.Query(sql, table); });
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

const SqlDialect& Database::Dialect() {
    Connection* connection = m_source.GetDatabase();
    return connection ? connection->Dialect() : SqliteDialect();
}

bool Database::HasTable(const QString& table) {
    ResultTable count;
    return Query(count, Dialect().CountTables(table)) && count.Int(1, 0) > 0;
}

bool Database::HasDocument(const char* table, int docId, std::optional<int> docType) {
    SqlStatement sql = SqlCompose("SELECT COUNT(*) FROM %s WHERE doc_id = ?", {SqlStatement(table), docId});
    if (docType)
        sql += SqlCompose(" AND doc_type = ?", {*docType});
    ResultTable count;
    return Query(count, sql + ";") && count.Int(1, 0) > 0;
}

std::optional<bool> Database::HasColumn(const QString& table, const QString& column) {
    ResultTable count;
    if (!Query(count, Dialect().CountColumns(table, column)))
        return std::nullopt;
    return count.Int(1, 0) > 0;
}

bool Database::InTransaction() {
    Connection* connection = m_source.GetDatabase();
    return connection && connection->InTransaction();
}

bool Database::Succeeded(DbResult& result) {
    if (result.Ok())
        return true;
    ReportDbError(result);
    return false;
}

bool Database::Exec(const SqlStatement& sql) {
    DbResult result = ExecWithRetry(sql);
    return Succeeded(result);
}

bool Database::Query(ResultTable& table, const SqlStatement& sql) {
    DbResult result = QueryWithRetry(sql, table);
    return Succeeded(result);
}
