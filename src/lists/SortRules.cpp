#include "lists/SortRules.h"

#include <QDate>
#include <algorithm>
#include <numeric>

namespace {

// A cell as the comparison needs it: its number, or whether it is a date.
struct Key {
    double value = 0;
    bool valid = true;
};

Key keyOf(const QString& cell, SortType type) {
    switch (type) {
    case SortType::Integer:
        return {static_cast<double>(cell.toLongLong()), true};
    case SortType::Decimal:
        return {cell.toDouble(), true};
    case SortType::Date: {
        const QDate date = QDate::fromString(cell, "dd.MM.yyyy");
        return {date.isValid() ? static_cast<double>(date.toJulianDay()) : 0, date.isValid()};
    }
    case SortType::Text:
        break;
    }
    return {};
}

} // namespace

std::vector<int> SortOrder(const std::vector<QString>& cells, SortType type, bool ascending) {
    std::vector<int> order(cells.size());
    std::iota(order.begin(), order.end(), 0);
    auto before = [ascending](int c) { return ascending ? c < 0 : c > 0; };
    if (type == SortType::Text) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return before(
                cells[static_cast<size_t>(a)].compare(cells[static_cast<size_t>(b)], Qt::CaseInsensitive));
        });
        return order;
    }
    std::vector<Key> keys;
    keys.reserve(cells.size());
    for (const QString& cell : cells)
        keys.push_back(keyOf(cell, type));
    // Stable, and safe with the date rule (an unreadable date equals every
    // other), which is no strict ordering.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Key& x = keys[static_cast<size_t>(a)];
        const Key& y = keys[static_cast<size_t>(b)];
        const int c = !x.valid || !y.valid ? 0 : (x.value < y.value ? -1 : (y.value < x.value ? 1 : 0));
        return before(c);
    });
    return order;
}

bool SortState::Click(int column) {
    if (column == m_column) {
        m_ascending = !m_ascending;
    } else {
        m_column = column;
        m_ascending = true;
    }
    return m_ascending;
}
