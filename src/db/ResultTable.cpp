#include "db/ResultTable.h"

#include "db/UnknownColumn.h"

#include <cstdlib>
#include <cstring>

const char* ResultTable::Cell(int row, int column) const {
    if (row < 0 || row > m_rows || column < 0 || column >= m_columns)
        return nullptr;
    const auto& cell =
        m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_columns) + static_cast<size_t>(column)];
    return cell ? cell->c_str() : nullptr;
}

namespace {
UnknownColumnHandler unknownColumn = nullptr;
} // namespace

void SetUnknownColumnHandler(UnknownColumnHandler handler) {
    unknownColumn = handler;
}

int ResultTable::OptionalColumn(const char* name) const {
    return Find(name);
}

int ResultTable::Column(const char* name) const {
    const int found = Find(name);
    if (found < 0 && unknownColumn && m_columns > 0) {
        std::string columns;
        for (int column = 0; column < m_columns; ++column)
            columns += std::string(column ? ", " : "") + (Cell(0, column) ? Cell(0, column) : "?");
        unknownColumn(name, columns.c_str());
    }
    return found;
}

int ResultTable::Find(const char* name) const {
    for (int column = 0; column < m_columns; ++column) {
        const char* title = Cell(0, column);
        if (title && std::strcmp(title, name) == 0)
            return column;
    }
    return -1;
}

QString ResultTable::Text(int row, int column, const QString& whenNull) const {
    const char* cell = Cell(row, column);
    return cell ? QString::fromUtf8(cell) : whenNull;
}

int ResultTable::Int(int row, int column, int whenNull) const {
    const char* cell = Cell(row, column);
    return cell ? std::atoi(cell) : whenNull;
}

long long ResultTable::Int64(int row, int column, long long whenNull) const {
    const char* cell = Cell(row, column);
    return cell ? std::atoll(cell) : whenNull;
}

double ResultTable::Double(int row, int column, double whenNull) const {
    const char* cell = Cell(row, column);
    return cell ? std::strtod(cell, nullptr) : whenNull;
}

void ResultTable::Clear() {
    m_rows = 0;
    m_columns = 0;
    m_cells.clear();
}

void ResultTable::SetColumnNames(std::vector<std::string> names) {
    Clear();
    m_columns = static_cast<int>(names.size());
    for (auto& name : names)
        m_cells.emplace_back(std::move(name));
}

void ResultTable::AddRow(std::vector<std::optional<std::string>> cells) {
    cells.resize(static_cast<size_t>(m_columns));
    for (auto& cell : cells)
        m_cells.push_back(std::move(cell));
    ++m_rows;
}
