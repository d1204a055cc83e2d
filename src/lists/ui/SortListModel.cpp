#include "lists/ui/SortListModel.h"

#include <QBrush>
#include <QDate>
#include <algorithm>

void SortListModel::AddColumn(const Column& column) {
    const int at = static_cast<int>(m_columns.size());
    beginInsertColumns(QModelIndex(), at, at);
    m_columns.push_back(column);
    endInsertColumns();
}

void SortListModel::SetRows(std::vector<QStringList> rows, std::vector<Tone> tones) {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        m_rows.push_back({std::move(rows[i]), i < tones.size() ? tones[i] : Tone::Normal, static_cast<int>(i)});
    endResetModel();
}

void SortListModel::Sort(int column, bool ascending) {
    if (column < 0 || column >= static_cast<int>(m_columns.size()))
        return;
    const SortType type = m_columns[static_cast<size_t>(column)].sortType;
    // Numbers and dates are read once, not in every comparison.
    struct Key {
        double value = 0;
        bool valid = true;
    };
    std::vector<Key> keys;
    const bool numeric = type != SortType::Text;
    if (numeric) {
        keys.reserve(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i) {
            const QString& cell = m_rows[i].cells.value(column);
            Key key;
            if (type == SortType::Integer) {
                key.value = static_cast<double>(cell.toLongLong());
            } else if (type == SortType::Decimal) {
                key.value = cell.toDouble();
            } else {
                const QDate date = QDate::fromString(cell, "dd.MM.yyyy");
                key.valid = date.isValid();
                key.value = key.valid ? static_cast<double>(date.toJulianDay()) : 0;
            }
            keys.push_back(key);
        }
    }
    Q_EMIT layoutAboutToBeChanged();
    std::vector<size_t> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // Stable, and safe with the date rule (an unreadable date equals every
    // other), which is no strict ordering.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        int c = 0;
        if (numeric) {
            if (keys[a].valid && keys[b].valid)
                c = keys[a].value < keys[b].value ? -1 : (keys[b].value < keys[a].value ? 1 : 0);
        } else {
            c = m_rows[a].cells.value(column).compare(m_rows[b].cells.value(column), Qt::CaseInsensitive);
        }
        return ascending ? c < 0 : c > 0;
    });
    std::vector<Entry> sorted;
    sorted.reserve(m_rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(m_rows[i]));
    m_rows = std::move(sorted);
    Q_EMIT layoutChanged();
}

int SortListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SortListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant SortListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Entry& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.cells.value(index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[static_cast<size_t>(index.column())].alignment | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (row.tone == Tone::Blue)
            return QBrush(Qt::blue);
        if (row.tone == Tone::Red)
            return QBrush(Qt::red);
        return {};
    default:
        return {};
    }
}

QVariant SortListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<size_t>(section)].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[static_cast<size_t>(section)].alignment | Qt::AlignVCenter);
    return {};
}
