#pragma once

#include <QString>
#include <vector>

// How a list column is compared when its header is clicked.
enum class SortType { Integer = 1, Text = 2, Date = 3, Decimal = 4 };

// The order of a list's rows sorted by one column: the positions of the
// cells, first to last. Text ignores case; integers and decimals compare as
// numbers; dates are DD.MM.YYYY, and a cell that is no readable date equals
// every other. Stable: equal cells keep their order. Each cell is read once.
std::vector<int> SortOrder(const std::vector<QString>& cells, SortType type, bool ascending);

// The last sorted column and its direction, one pair for all lists of the
// program: clicking another column sorts it ascending, the same column again
// flips the direction.
class SortState {
public:
    // Records a header click; true when the column is now sorted ascending.
    bool Click(int column);
    int Column() const { return m_column; }
    bool Ascending() const { return m_ascending; }

private:
    int m_column = -1;
    bool m_ascending = true;
};
