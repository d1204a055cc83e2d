#include "lists/ui/SortListModel.h"

#include <QBrush>
#include <algorithm>

void SortListModel::AddColumn(const Column& column) {
    const int at = static_cast<int>(m_columns.size());
    beginInsertColumns(QModelIndex(), at, at);
    m_columns.push_back(column);
    endInsertColumns();
}

void SortListModel::SetRows(std::vector<QStringList> rows, std::vector<RowTone> tones) {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        m_rows.push_back(
            {std::move(rows[i]), i < tones.size() ? tones[i] : RowTone::Normal, static_cast<int>(i)});
    endResetModel();
}

void SortListModel::Sort(int column, bool ascending) {
    if (column < 0 || column >= static_cast<int>(m_columns.size()))
        return;
    std::vector<QString> cells;
    cells.reserve(m_rows.size());
    for (const Entry& row : m_rows)
        cells.push_back(row.cells.value(column));
    const std::vector<int> order =
        SortOrder(cells, m_columns[static_cast<size_t>(column)].sortType, ascending);
    Q_EMIT layoutAboutToBeChanged();
    std::vector<Entry> sorted;
    sorted.reserve(m_rows.size());
    for (int i : order)
        sorted.push_back(std::move(m_rows[static_cast<size_t>(i)]));
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
        return QVariant::fromValue(m_columns[static_cast<size_t>(index.column())].alignment |
                                   Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (row.tone == RowTone::Blue)
            return QBrush(Qt::blue);
        if (row.tone == RowTone::Red)
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
