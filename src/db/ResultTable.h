#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

// The rows of a query in the classic table layout: row 0 holds the column
// names, data rows are counted from 1, and a NULL cell is a null pointer.
class ResultTable {
public:
    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    bool Empty() const { return m_rows == 0; }
    // The position of the named column, read from the header row: a column
    // computed by an expression answers only to the alias its statement gives
    // it. -1 (a cell that reads as NULL, so as the reader's default) when there
    // is none, after the unknown-column handler was told. Row
    // mappers resolve their names once and then read by position, so a
    // statement may change its column order without misreads.
    int Column(const char* name) const;
    // The same for a column that only some of the tables one reader reads
    // have (an invoice's "to_invoice" in a goods note's header): -1 is an
    // expected answer there, not a misspelt name.
    int OptionalColumn(const char* name) const;

    // Cell of row r (0 = names) and column k; nullptr for a NULL value or
    // a position outside the table.
    const char* Cell(int row, int column) const;
    bool IsNull(int row, int column) const { return Cell(row, column) == nullptr; }

    // Conversions of a data cell; a NULL cell gives the caller's default.
    QString Text(int row, int column, const QString& whenNull = QString()) const;
    int Int(int row, int column, int whenNull = 0) const;
    long long Int64(int row, int column, long long whenNull = 0) const;
    double Double(int row, int column, double whenNull = 0.0) const;

    void Clear();
    void SetColumnNames(std::vector<std::string> names);
    void AddRow(std::vector<std::optional<std::string>> cells);

private:
    int Find(const char* name) const;

    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::optional<std::string>> m_cells;
};
