#pragma once

#include <QString>

// How a list column is compared when its header is clicked.
enum class SortType { Integer = 1, Text = 2, Date = 3, Decimal = 4 };

// <0, 0 or >0. Text ignores case; dates are DD.MM.YYYY, and two cells of
// which either is not a readable date compare equal.
int CompareCells(const QString& a, const QString& b, SortType type);

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
