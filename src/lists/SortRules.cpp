#include "lists/SortRules.h"

#include <QDate>

namespace {
template <typename T>
int compareValues(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}
} // namespace

int CompareCells(const QString& a, const QString& b, SortType type) {
    switch (type) {
    case SortType::Text:
        return a.compare(b, Qt::CaseInsensitive);
    case SortType::Date: {
        const QDate first = QDate::fromString(a, "dd.MM.yyyy");
        const QDate second = QDate::fromString(b, "dd.MM.yyyy");
        if (!first.isValid() || !second.isValid())
            return 0;
        return compareValues(first, second);
    }
    case SortType::Decimal:
        return compareValues(a.toDouble(), b.toDouble());
    case SortType::Integer:
        break;
    }
    return compareValues(a.toLongLong(), b.toLongLong());
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
