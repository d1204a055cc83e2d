#pragma once

#include "db/DbResult.h"

#include <QString>
#include <functional>

class Database;
class ResultTable;

// The format version of an open file: 1 to 14, 0 when it cannot be read, or
// kSchemaVersionBusy when the file stayed busy for the whole retry (the busy
// message has been shown; a busy file is no wrong version). Versions 9 and
// later keep it in `settings`, older files in `version`.
inline constexpr int kSchemaVersionBusy = -1;
int GetSchemaVersion(Database& db);

// Why a file of this version is not worked on as it stands: not a file of
// this program (0) or of a newer one, or one of an older format that the
// program upgrades when it opens it in its window. Empty for today's format.
QString SchemaVersionProblem(int version);

// The same rule on any way of sending a query, without a message: the
// version, and the failed statement's result when it is 0 or busy.
using SchemaQuery = std::function<DbResult(const QByteArray& sql, ResultTable& table)>;
int SchemaVersionOf(const SchemaQuery& query, DbResult& failure);
