#pragma once

#include "base/Prompter.h"
#include "db/DbResult.h"
#include "db/ResultTable.h"
#include "db/SqlDialect.h"
#include "db/SqlStatement.h"

class ConnectionSource;
class Sleeper;
class WriteTransaction;

// How long a busy database is waited for: attempts and the pause after each
// busy answer.
struct RetryPolicy {
    int attempts = 2500;
    int pauseMs = 500;
};

// The access layer every form and service uses: each statement is sent with
// the busy retry, and a failure is shown once through ReportDbError.
class Database {
public:
    Database(ConnectionSource& source, Sleeper& sleeper, Prompter& prompter, RetryPolicy policy = {});

    DbResult ExecWithRetry(const SqlStatement& sql);
    DbResult QueryWithRetry(const SqlStatement& sql, ResultTable& table);

    // The composed form: a '?' takes a value, a %s program-composed text (see SqlCompose).
    template <typename... Args>
    DbResult QueryPrintfWithRetry(ResultTable& table, const char* format, const Args&... args) {
        return QueryWithRetry(SqlCompose(format, {SqlArg(args)...}), table);
    }

    // Shows the message for a failed statement and resets its code to 0.
    // While a change is open the message waits until it ends, so no box
    // keeps the file locked for the other seats.
    void ReportDbError(DbResult& result);
    // A message of a service, shown the same way.
    void Inform(const QString& text, MessageIcon icon);

    // Sends a statement and reports its failure; true on success.
    bool Exec(const SqlStatement& sql);
    template <typename... Args> bool ExecPrintf(const char* format, const Args&... args) {
        return Exec(SqlCompose(format, {SqlArg(args)...}));
    }

    // Runs a query and reports its failure; true on success.
    template <typename... Args> bool Query(ResultTable& table, const char* format, const Args&... args) {
        return Query(table, SqlCompose(format, {SqlArg(args)...}));
    }
    bool Query(ResultTable& table, const SqlStatement& sql);
    // The first cell of a query, or the given value when there is no row, the
    // cell is NULL or the read failed (which is reported).
    template <typename... Args>
    QString QueryText(const QString& whenNone, const char* format, const Args&... args) {
        ResultTable table;
        return Query(table, format, args...) && !table.Empty() ? table.Text(1, 0, whenNone) : whenNone;
    }
    template <typename... Args> int QueryInt(int whenNone, const char* format, const Args&... args) {
        ResultTable table;
        return Query(table, format, args...) && !table.Empty() ? table.Int(1, 0, whenNone) : whenNone;
    }
    template <typename... Args> double QueryDouble(double whenNone, const char* format, const Args&... args) {
        ResultTable table;
        return Query(table, format, args...) && !table.Empty() ? table.Double(1, 0, whenNone) : whenNone;
    }

    // The open connection's dialect (the embedded file's while none is open).
    const SqlDialect& Dialect();
    // True when the firm's database has the table; a failed read is reported.
    bool HasTable(const QString& table);
    // Whether a document of that number (and `doc_type`, for the invoices'
    // family) is stored in its main table; false when unreadable (reported).
    bool HasDocument(const char* table, int docId, std::optional<int> docType = std::nullopt);
    // Whether the table has the column; nothing when the listing failed.
    std::optional<bool> HasColumn(const QString& table, const QString& column);

    Prompter& GetPrompter() { return m_prompter; }
    // True while a transaction is open on the connection.
    bool InTransaction();
    // The rows the last statement sent through this layer inserted, changed or deleted.
    long long LastChangedRows() const { return m_lastChangedRows; }
    // The innermost change open through WriteTransaction, or null.
    WriteTransaction* OpenTransaction() const { return m_openTransaction; }
    void SetOpenTransaction(WriteTransaction* transaction) { m_openTransaction = transaction; }

private:
    // Reports a failed result; true when it succeeded.
    bool Succeeded(DbResult& result);
    template <typename Attempt> DbResult WithRetry(Attempt attempt);

    ConnectionSource& m_source;
    Sleeper& m_sleeper;
    Prompter& m_prompter;
    RetryPolicy m_policy;
    WriteTransaction* m_openTransaction = nullptr;
    long long m_lastChangedRows = 0;
};
