#pragma once

#include "db/SqlStatement.h"

// What the database engines say differently. Every statement above the data
// layer is written in the SQL they all read; the few things that cannot be
// (the schema's listing, the case-blind search, giving space back) are asked
// of the connection's dialect.
class SqlDialect {
public:
    virtual ~SqlDialect() = default;
    // A query whose one cell counts the firm's tables of this name (0 or 1).
    virtual SqlStatement CountTables(const QString& table) const = 0;
    // A query whose one cell counts the columns of that name in the table.
    virtual SqlStatement CountColumns(const QString& table, const QString& column) const = 0;
    // The operator matching a LIKE pattern whatever the case of any alphabet
    // ("Петров" finds "ПЕТРОВ"), for a %s between a value and its pattern.
    virtual SqlStatement CaseBlindLike() const = 0;
    // Gives the space of deleted rows back; run outside any transaction.
    virtual SqlStatement Compact() const = 0;
    // The column that tells apart rows a table gives no key of their own
    // (the catalogue's codes are not unique in old files); read and bound as
    // an integer.
    virtual SqlStatement RowId() const = 0;

    // "(a LIKE ? OR b LIKE ?)": the clerk's text found anywhere in any of the
    // columns, case-blind; a '%' or '_' typed stays a wildcard, as in every search.
    SqlStatement SearchAnywhere(const std::vector<const char*>& columns, const QString& text) const;
};

// The embedded file's dialect (its LIKE folds every alphabet, see UnicodeLike).
const SqlDialect& SqliteDialect();
