#pragma once

#include "lists/ListColumn.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// The rows of a sortable list: text cells, a tone per row and per-column
// alignment and sort type.
class SortListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        Qt::Alignment alignment = Qt::AlignLeft;
        SortType sortType = SortType::Text;
    };

    explicit SortListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void AddColumn(const Column& column);
    const std::vector<Column>& Columns() const { return m_columns; }
    // Replaces all rows at once.
    void SetRows(std::vector<QStringList> rows, std::vector<RowTone> tones = {});
    void Clear() { SetRows({}); }
    const QStringList& Row(int row) const { return m_rows[static_cast<size_t>(row)].cells; }
    // The position the row had when the rows were set, whatever the sorting since.
    int SourceIndex(int row) const { return m_rows[static_cast<size_t>(row)].source; }
    void Sort(int column, bool ascending);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Entry {
        QStringList cells;
        RowTone tone = RowTone::Normal;
        int source = 0;
    };
    std::vector<Column> m_columns;
    std::vector<Entry> m_rows;
};
