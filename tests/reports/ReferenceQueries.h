#pragma once

#include "db/Database.h"
#include "db/ResultTable.h"
#include "db/SqlFormat.h"

#include <gtest/gtest.h>

// The reference side of the reports' tests: the description's statements,
// formatted and read one at a time.
template <typename... Args> QByteArray sql(const char* format, const Args&... args) {
    return *SqlFormat(format, {SqlArg(args)...});
}

inline ResultTable ReadAll(Database& db, const QByteArray& statement) {
    ResultTable table;
    EXPECT_TRUE(db.QueryWithRetry(statement, table).Ok()) << statement.toStdString();
    return table;
}
