#include "db/Connection.h"

#include "db/FirmLocation.h"
#include "db/PgConnection.h"
#include "db/ResultTable.h"
#include "db/SqliteConnection.h"

Connection::Connection() = default;

Connection::~Connection() = default;

DbResult Connection::Open(const QString& location, bool create) {
    Close();
    DbResult result;
    if (IsServerLocation(location))
        m_engine = PgConnection::Open(location, QString(), result);
    else
        m_engine = SqliteConnection::Open(location, create, result);
    if (m_engine && !m_keepPrepared)
        m_engine->KeepPrepared(false);
    return result;
}

DbResult Connection::OpenServer(const QString& location, const QString& password) {
    Close();
    DbResult result;
    m_engine = PgConnection::Open(location, password, result);
    return result;
}

void Connection::Close() {
    m_engine.reset();
}

DbResult Connection::Exec(const SqlStatement& statement) {
    if (!m_engine)
        return DbResult{DbCode::kMisuse, QByteArray("no open connection")};
    return m_engine->Run(statement, nullptr);
}

DbResult Connection::Query(const SqlStatement& statement, ResultTable& table) {
    table.Clear();
    if (!m_engine)
        return DbResult{DbCode::kMisuse, QByteArray("no open connection")};
    DbResult result = m_engine->Run(statement, &table);
    if (result.Failed())
        table.Clear();
    return result;
}

void Connection::KeepPrepared(bool keep) {
    m_keepPrepared = keep;
    if (m_engine)
        m_engine->KeepPrepared(keep);
}
