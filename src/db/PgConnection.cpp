#include "db/PgConnection.h"

#include "db/FirmLocation.h"
#include "db/ResultTable.h"
#include "db/StatementText.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <libpq-fe.h>

namespace {

// The server's type numbers of the results told apart.
constexpr Oid kBool = 16;
constexpr Oid kFloat4 = 700;
constexpr Oid kFloat8 = 701;
constexpr Oid kNumeric = 1700;

DbResult mismatch() {
    return DbResult{DbCode::kMisuse, QByteArray("statement values do not match its placeholders")};
}

QByteArray serverError(pg_conn* handle) {
    QByteArray text(PQerrorMessage(handle));
    return text.trimmed();
}

// A failed statement: the server's own words for it, without its context.
DbResult failure(pg_conn* handle, const PGresult* result) {
    if (PQstatus(handle) == CONNECTION_BAD)
        return DbResult{DbCode::kConnectionLost, serverError(handle)};
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    return DbResult{DbCode::kError, primary ? QByteArray(primary) : serverError(handle)};
}

// A decimal as the embedded file shows a real number: 15 significant digits
// and always a decimal point ("3.0", "2.5", "0.333333333333333"). Whole
// numbers without a fraction stay as they are, as the file keeps them.
std::string asEmbeddedReal(const char* text) {
    if (!std::strpbrk(text, ".eE"))
        return text;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", std::strtod(text, nullptr));
    std::string shown(buffer);
    if (shown.find_first_of(".eEn") == std::string::npos) // n: inf, nan
        shown += ".0";
    else if (shown.find('.') == std::string::npos && shown.find_first_of("eE") != std::string::npos)
        shown.insert(shown.find_first_of("eE"), ".0");
    return shown;
}

std::string cellText(const PGresult* result, int row, int column, Oid type) {
    const char* value = PQgetvalue(result, row, column);
    switch (type) {
    case kNumeric:
    case kFloat4:
    case kFloat8:
        return asEmbeddedReal(value);
    case kBool:
        return value[0] == 't' ? "1" : "0";
    default:
        return std::string(value, static_cast<size_t>(PQgetlength(result, row, column)));
    }
}

// The text a value travels as: a real in the shortest form that reads back
// the same double, so 2.35 is sent as 2.35 and stored exactly.
QByteArray valueText(const SqlValue& value) {
    if (const long long* integer = value.AsInteger())
        return QByteArray::number(*integer);
    if (const double* real = value.AsReal()) {
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, *real);
        return QByteArray(buffer, static_cast<qsizetype>(written.ptr - buffer));
    }
    if (const QByteArray* text = value.AsText())
        return *text;
    return QByteArray();
}

void quiet(void*, const char*) {}

} // namespace

std::unique_ptr<PgConnection> PgConnection::Open(const QString& location, const QString& password,
                                                 DbResult& result) {
    const QByteArray dbname = location.toUtf8(), secret = password.toUtf8();
    // The connection string first; what follows overrides it.
    std::vector<const char*> keys = {"dbname", "application_name", "client_encoding", "connect_timeout"};
    std::vector<const char*> values = {dbname.constData(), "Tarvo", "UTF8", "10"};
    if (!password.isEmpty()) {
        keys.push_back("password");
        values.push_back(secret.constData());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    pg_conn* handle = PQconnectdbParams(keys.data(), values.data(), 1);
    if (!handle) {
        result = DbResult{DbCode::kServerUnreachable, QByteArray("out of memory")};
        return nullptr;
    }
    if (PQstatus(handle) != CONNECTION_OK) {
        const QByteArray why = serverError(handle);
        const bool refused = PQconnectionNeedsPassword(handle) ||
                             why.contains("password authentication failed") ||
                             why.contains("no password supplied") || why.contains("role \"");
        result = DbResult{refused ? DbCode::kServerPassword : DbCode::kServerUnreachable, why};
        if (!refused && why.contains("\" does not exist") && why.contains("database \""))
            result = DbResult{DbCode::kServerNoDatabase, QByteArray(PQdb(handle))};
        PQfinish(handle);
        return nullptr;
    }
    if (PQserverVersion(handle) < kOldestServerVersion * 10000) {
        result = DbResult{DbCode::kServerTooOld, QByteArray(PQparameterStatus(handle, "server_version"))};
        PQfinish(handle);
        return nullptr;
    }
    PQsetNoticeProcessor(handle, quiet, nullptr);
    std::unique_ptr<PgConnection> connection(new PgConnection(handle));
    result = connection->Run("SET client_min_messages = warning;", nullptr);
    if (result.Failed())
        return nullptr;
    return connection;
}

PgConnection::~PgConnection() {
    PQfinish(m_handle);
}

bool PgConnection::InTransaction() const {
    const PGTransactionStatusType status = PQtransactionStatus(m_handle);
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

void PgConnection::KeepPrepared(bool keep) {
    m_keepPrepared = keep;
    if (!keep && PQstatus(m_handle) == CONNECTION_OK && !m_prepared.isEmpty()) {
        PGresult* done = PQexec(m_handle, "DEALLOCATE ALL;");
        PQclear(done);
        m_prepared.clear();
    }
}

bool PgConnection::Reconnect() {
    PQreset(m_handle);
    m_prepared.clear();
    if (PQstatus(m_handle) != CONNECTION_OK)
        return false;
    PGresult* set = PQexec(m_handle, "SET client_min_messages = warning;");
    PQclear(set);
    return true;
}

DbResult PgConnection::Run(const SqlStatement& statement, ResultTable* table) {
    if (statement.malformed)
        return mismatch();
    // A session lost between changes is opened again; nothing was under way.
    if (PQstatus(m_handle) == CONNECTION_BAD && !Reconnect())
        return DbResult{DbCode::kConnectionLost, serverError(m_handle)};
    const std::vector<StatementPiece> pieces = SplitStatements(statement.text);
    size_t next = 0;
    bool haveColumns = false;
    long long changed = 0;
    for (const StatementPiece& piece : pieces) {
        if (next + static_cast<size_t>(piece.values) > statement.values.size())
            return mismatch();
        std::vector<QByteArray> texts;
        std::vector<const char*> values;
        texts.reserve(static_cast<size_t>(piece.values));
        for (int k = 0; k < piece.values; ++k) {
            const SqlValue& value = statement.values[next++];
            texts.push_back(valueText(value));
            values.push_back(value.IsNull() ? nullptr : texts.back().constData());
        }
        PGresult* result = nullptr;
        const bool keep = m_keepPrepared && piece.values > 0;
        if (keep) {
            auto found = m_prepared.find(piece.text);
            if (found == m_prepared.end()) {
                const QByteArray name = "t" + QByteArray::number(++m_named);
                PGresult* prepared =
                    PQprepare(m_handle, name.constData(), piece.text.constData(), 0, nullptr);
                if (PQresultStatus(prepared) != PGRES_COMMAND_OK) {
                    const DbResult failed = failure(m_handle, prepared);
                    PQclear(prepared);
                    return failed;
                }
                PQclear(prepared);
                found = m_prepared.insert(piece.text, name);
            }
            result = PQexecPrepared(m_handle, found.value().constData(), piece.values, values.data(), nullptr,
                                    nullptr, 0);
        } else {
            result = PQexecParams(m_handle, piece.text.constData(), piece.values, nullptr, values.data(),
                                  nullptr, nullptr, 0);
        }
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            const DbResult failed = failure(m_handle, result);
            PQclear(result);
            return failed;
        }
        changed = std::atoll(PQcmdTuples(result));
        const int columns = PQnfields(result);
        if (table && columns > 0) {
            if (!haveColumns) {
                std::vector<std::string> names;
                for (int k = 0; k < columns; ++k)
                    names.emplace_back(PQfname(result, k));
                table->SetColumnNames(std::move(names));
                haveColumns = true;
            } else if (columns != table->Columns()) {
                PQclear(result);
                return DbResult{DbCode::kError,
                                QByteArray("queries with different column counts in one call")};
            }
            std::vector<Oid> types;
            for (int k = 0; k < columns; ++k)
                types.push_back(PQftype(result, k));
            const int rows = PQntuples(result);
            for (int r = 0; r < rows; ++r) {
                std::vector<std::optional<std::string>> cells;
                cells.reserve(static_cast<size_t>(columns));
                for (int k = 0; k < columns; ++k)
                    cells.push_back(PQgetisnull(result, r, k)
                                        ? std::nullopt
                                        : std::optional<std::string>(cellText(result, r, k, types[k])));
                table->AddRow(std::move(cells));
            }
        }
        PQclear(result);
    }
    if (next != statement.values.size())
        return mismatch();
    DbResult done;
    done.changedRows = changed;
    return done;
}

const SqlDialect& PgConnection::Dialect() const {
    return PostgresDialect();
}
