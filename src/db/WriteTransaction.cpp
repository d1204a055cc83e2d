#include "db/WriteTransaction.h"

#include "db/Database.h"

WriteTransaction::~WriteTransaction() { Rollback(); }

bool WriteTransaction::Begin() {
    DbResult result = m_db.ExecWithRetry("BEGIN IMMEDIATE;");
    if (result.Failed()) {
        m_db.ReportDbError(result);
        return false;
    }
    m_active = true;
    return true;
}

bool WriteTransaction::Exec(const QByteArray& sql) {
    if (!m_active)
        return false;
    DbResult result = sql.isNull() ? DbResult{DbCode::kMisuse, QByteArray("statement values do not match the format")}
                                   : m_db.ExecWithRetry(sql);
    if (result.Ok())
        return true;
    m_db.ReportDbError(result);
    Rollback();
    return false;
}

bool WriteTransaction::Commit() {
    if (!m_active)
        return false;
    // A commit may have to wait for readers to finish; the transaction stays
    // open while it waits, so it is retried like any statement.
    DbResult result = m_db.ExecWithRetry("COMMIT;");
    if (result.Ok()) {
        m_active = false;
        return true;
    }
    m_db.ReportDbError(result);
    Rollback();
    return false;
}

void WriteTransaction::Rollback() {
    if (!m_active)
        return;
    m_active = false;
    DbResult ignored = m_db.ExecWithRetry("ROLLBACK;");
    (void)ignored;
}
