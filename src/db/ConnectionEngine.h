#pragma once

#include "db/DbResult.h"
#include "db/SqlDialect.h"
#include "db/SqlStatement.h"

class ResultTable;
struct sqlite3;

// One open connection of one engine: statements are sent once each, their
// values bound, with no retry (the retry lives in Database).
class ConnectionEngine {
public:
    virtual ~ConnectionEngine() = default;
    // A statement, or several separated by ';' whose values follow in order.
    virtual DbResult Run(const SqlStatement& statement, ResultTable* table) = 0;
    virtual bool InTransaction() const = 0;
    virtual const SqlDialect& Dialect() const = 0;
    virtual void KeepPrepared(bool keep) = 0;
    // The embedded file's handle, for the data layer's own file work; null
    // on a server.
    virtual sqlite3* SqliteHandle() const { return nullptr; }
};
