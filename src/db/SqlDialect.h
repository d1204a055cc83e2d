#pragma once

#include "db/SqlStatement.h"

#include <vector>

// What the database engines say differently. Every statement above the data
// layer is written in the SQL they all read; the few things that cannot be
// (the schema's listing and definitions, the case-blind search, the write
// lock, giving space back, row ids) are asked of the connection's dialect.
class SqlDialect {
public:
    virtual ~SqlDialect() = default;
    // A query whose one cell counts the firm's tables of this name (0 or 1).
    virtual SqlStatement CountTables(const QString& table) const = 0;
    // A query whose one column `name` lists the firm's tables.
    virtual SqlStatement ListTables() const = 0;
    // A query whose one cell counts the columns of that name in the table.
    virtual SqlStatement CountColumns(const QString& table, const QString& column) const = 0;
    // "column LIKE ?" matching the pattern whatever the case of any alphabet
    // ("Петров" finds "ПЕТРОВ"), with no escape character.
    virtual SqlStatement LikeCondition(const char* column) const = 0;
    // Gives the space of deleted rows back; run outside any transaction.
    virtual SqlStatement Compact() const = 0;
    // The column that tells apart rows a table gives no key of their own
    // (the catalogue's codes are not unique in old files); read and bound as
    // a text.
    virtual SqlStatement RowId() const = 0;
    // Begins a change that checks, numbers and writes alone: no other seat's
    // change runs until it ends, while readers go on.
    virtual SqlStatement BeginWrite() const = 0;
    // A table of the program, defined in the embedded file's words (as the
    // file keeps it), in this engine's: the statements that make it.
    virtual SqlStatement CreateTable(const QByteArray& definition) const = 0;
    virtual SqlStatement CreateIndex(const QByteArray& definition) const = 0;
    // What a new database needs before its tables.
    virtual SqlStatement SchemaPreamble() const = 0;
    // A text value stored exactly as typed, also in a column whose declared
    // type would turn a text like "0123" into a number.
    virtual SqlStatement VerbatimText(const QString& text) const = 0;
    // A query whose one cell counts the other seats of the program connected
    // to the firm (0 where the engine cannot tell; the file's seats mark it).
    virtual SqlStatement OtherSeats() const = 0;
    // Begins a read of one consistent state, while other seats go on writing.
    virtual SqlStatement BeginSnapshot() const = 0;

    // "(a LIKE ? OR b LIKE ?)": the clerk's text found anywhere in any of the
    // columns, case-blind; a '%' or '_' typed stays a wildcard, as in every search.
    SqlStatement SearchAnywhere(const std::vector<const char*>& columns, const QString& text) const;
};

// The embedded file's dialect (its LIKE folds every alphabet, see UnicodeLike).
const SqlDialect& SqliteDialect();
// A PostgreSQL server's.
const SqlDialect& PostgresDialect();
