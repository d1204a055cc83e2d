#include "lists/ListColumn.h"

#include <algorithm>

std::vector<int> PrintedColumns(const std::vector<ListColumn>& columns) {
    std::vector<int> printed;
    for (size_t k = 0; k < columns.size(); ++k)
        if (!columns[k].printTitle.isEmpty())
            printed.push_back(static_cast<int>(k));
    return printed;
}

QStringList PrintedCells(const std::vector<ListColumn>& columns, const QStringList& cells) {
    QStringList printed;
    for (int k : PrintedColumns(columns))
        printed << cells.value(k);
    return printed;
}

int RowAfterRemoval(int removed, int remaining) {
    return remaining <= 0 ? -1 : std::min(removed, remaining - 1);
}
