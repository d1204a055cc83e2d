#include "db/WriteTransaction.h"

#include "db/Database.h"

WriteTransaction::~WriteTransaction() {
    Rollback();
    ShowMessages();
}

bool WriteTransaction::Begin() {
    if (m_active)
        return true;
    m_parent = m_db.OpenTransaction();
    m_savepoint = m_parent != nullptr || m_db.InTransaction();
    int depth = 1;
    for (WriteTransaction* outer = m_parent; outer; outer = outer->m_parent)
        ++depth;
    m_savepointName = "tarvo_" + QByteArray::number(depth);
    DbResult result = m_db.ExecWithRetry(m_savepoint ? SqlStatement("SAVEPOINT " + m_savepointName + ";")
                                                     : m_db.Dialect().BeginWrite());
    if (result.Failed()) {
        m_db.ReportDbError(result);
        m_parent = nullptr;
        return false;
    }
    m_active = true;
    m_db.SetOpenTransaction(this);
    return true;
}

bool WriteTransaction::Exec(const SqlStatement& sql) {
    if (!m_active)
        return false;
    DbResult result = m_db.ExecWithRetry(sql);
    if (result.Ok())
        return true;
    m_db.ReportDbError(result);
    Rollback();
    ShowMessages();
    return false;
}

const SqlDialect& WriteTransaction::Dialect() const {
    return m_db.Dialect();
}

long long WriteTransaction::ChangedRows() const {
    return m_db.LastChangedRows();
}

bool WriteTransaction::DeleteDocumentRows(std::initializer_list<const char*> tables, int docId) {
    for (const char* table : tables)
        if (!ExecPrintf("DELETE FROM %s WHERE doc_id = ?;", table, docId))
            return false;
    return true;
}

std::optional<long long> WriteTransaction::InsertReturning(const SqlStatement& sql) {
    if (!m_active)
        return std::nullopt;
    ResultTable table;
    DbResult result = m_db.QueryWithRetry(sql, table);
    if (result.Ok() && table.Rows() == 1 && !table.IsNull(1, 0))
        return table.Int64(1, 0);
    if (result.Ok())
        result.error = "INSERT ... RETURNING gave no id";
    m_db.ReportDbError(result);
    Rollback();
    ShowMessages();
    return std::nullopt;
}

bool WriteTransaction::Commit() {
    if (!m_active)
        return false;
    // A commit may have to wait for readers to finish; the transaction stays
    // open while it waits, so it is retried like any statement.
    DbResult result =
        m_db.ExecWithRetry(m_savepoint ? "RELEASE SAVEPOINT " + m_savepointName + ";" : "COMMIT;");
    if (result.Failed()) {
        m_db.ReportDbError(result);
        Rollback();
        ShowMessages();
        return false;
    }
    End();
    ShowMessages();
    return true;
}

void WriteTransaction::Rollback() {
    if (!m_active)
        return;
    DbResult ignored = m_db.ExecWithRetry(m_savepoint ? "ROLLBACK TO SAVEPOINT " + m_savepointName +
                                                            "; RELEASE SAVEPOINT " + m_savepointName + ";"
                                                      : QByteArray("ROLLBACK;"));
    (void)ignored;
    End();
}

bool WriteTransaction::Refuse(const QString& text, MessageIcon icon, const QString& caption) {
    Defer(text, icon, caption);
    Rollback();
    ShowMessages();
    return false;
}

void WriteTransaction::Defer(const QString& text, MessageIcon icon, const QString& caption) {
    if (!text.isEmpty())
        m_messages.push_back({text, icon, caption});
}

void WriteTransaction::End() {
    m_active = false;
    m_db.SetOpenTransaction(m_parent);
}

// A savepoint hands its messages to the change around it; the outermost
// shows them once the file is free.
void WriteTransaction::ShowMessages() {
    if (m_messages.empty() || m_active)
        return;
    if (m_parent && m_parent->m_active) {
        m_parent->m_messages.insert(m_parent->m_messages.end(), m_messages.begin(), m_messages.end());
    } else {
        for (const Message& message : m_messages)
            m_db.GetPrompter().Message(message.text, message.icon, message.caption);
    }
    m_messages.clear();
}
