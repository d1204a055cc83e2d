#include "lists/ui/CSortListCtrl.h"

#include "settings/ListPreferences.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

CSortListCtrl::CSortListCtrl(SortState& sortState, QWidget* parent)
    : QTableView(parent), m_sortState(sortState), m_model(this) {
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the list for the next field
    setShowGrid(true);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    // One fixed row height: no row is measured, so long lists fill at once.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CSortListCtrl::HeaderClicked);
}

void CSortListCtrl::AddColumn(const QString& title, int width, Qt::Alignment alignment, SortType sortType) {
    m_model.AddColumn({title, alignment, sortType});
    SizeColumn(m_model.columnCount() - 1, width);
}

void CSortListCtrl::SizeColumn(int column, int width) {
    // Room for the title, its margins and the sort arrow.
    const QString title = m_model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    int least = horizontalHeader()->fontMetrics().horizontalAdvance(title) + 24;
    // A date always shows whole, whatever the font.
    if (m_model.Columns()[static_cast<size_t>(column)].sortType == SortType::Date)
        least = std::max(least, fontMetrics().horizontalAdvance("00.00.0000") + 16);
    setColumnWidth(column, ScaledColumnWidth(width, fontMetrics().averageCharWidth(), least));
}

void CSortListCtrl::FitByColumn(int column, int least) {
    m_fitColumn = column;
    m_fitLeast = least;
    m_fitDesigned = columnWidth(column);
    FitColumns();
}

void CSortListCtrl::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

void CSortListCtrl::FitColumns() {
    if (m_fitColumn < 0)
        return;
    int others = 0;
    for (int column = 0; column < m_model.columnCount(); ++column)
        if (column != m_fitColumn && !isColumnHidden(column))
            others += columnWidth(column);
    const int room = viewport()->width() - others;
    setColumnWidth(m_fitColumn, std::clamp(room, m_fitLeast, std::max(m_fitLeast, m_fitDesigned)));
}

void CSortListCtrl::ShowColumn(int column, int width) {
    if (isColumnHidden(column) == (width == 0))
        return;
    setColumnHidden(column, width == 0);
    if (width != 0)
        SizeColumn(column, width);
    FitColumns();
}

void CSortListCtrl::RememberWidths(ListPreferences& settings, const QString& listName) {
    const std::vector<int> stored =
        SplitColumnWidths(settings.ListColumnWidths(listName), m_model.columnCount());
    for (size_t k = 0; k < stored.size(); ++k)
        if (!isColumnHidden(static_cast<int>(k)) && stored[k] > 0)
            setColumnWidth(static_cast<int>(k), stored[k]);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this, &settings, listName] {
        std::vector<int> widths;
        for (int k = 0; k < m_model.columnCount(); ++k)
            widths.push_back(isColumnHidden(k) ? 0 : columnWidth(k));
        settings.SetListColumnWidths(listName, JoinColumnWidths(widths));
    });
}

void CSortListCtrl::SetColumns(const std::vector<ListColumn>& columns) {
    for (const ListColumn& column : columns) {
        AddColumn(column.title, column.width, column.alignment, column.sort);
        setColumnHidden(m_model.columnCount() - 1, column.width == 0);
    }
}

void CSortListCtrl::SetRows(std::vector<QStringList> rows, std::vector<RowTone> tones) {
    m_model.SetRows(std::move(rows), std::move(tones));
    horizontalHeader()->setSortIndicatorShown(false);
}

void CSortListCtrl::ShowRows(std::vector<QStringList> rows, std::vector<RowTone> tones, int selectSource) {
    SetRows(std::move(rows), std::move(tones));
    m_model.Sort(0, true);
    int listRow = 0;
    for (int row = 0; row < RowCount(); ++row)
        if (m_model.SourceIndex(row) == selectSource)
            listRow = row;
    SelectRow(listRow);
}

int CSortListCtrl::SelectedSource() const {
    const int row = CurrentRow();
    return row < 0 || !selectionModel()->isRowSelected(row, QModelIndex()) ? -1 : m_model.SourceIndex(row);
}

std::vector<int> CSortListCtrl::SelectedSources() const {
    std::vector<int> sources;
    for (int row : SelectedRows())
        sources.push_back(m_model.SourceIndex(row));
    std::sort(sources.begin(), sources.end());
    return sources;
}

int CSortListCtrl::CurrentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> CSortListCtrl::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CSortListCtrl::SelectRow(int row) {
    if (row < 0 || row >= RowCount())
        return;
    setFocus();
    // Straight through the selection model: a key still held down (the Ctrl
    // of the command that opened the form) must not turn this into a toggle.
    const QModelIndex index = m_model.index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

QStringList CSortListCtrl::VisibleTitles() const {
    QStringList titles;
    for (int visual = 0; visual < m_model.columnCount(); ++visual) {
        const int column = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(column))
            titles << m_model.Columns()[static_cast<size_t>(column)].title;
    }
    return titles;
}

std::vector<QStringList> CSortListCtrl::VisibleRows() const {
    std::vector<int> columns;
    for (int visual = 0; visual < m_model.columnCount(); ++visual) {
        const int column = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(column))
            columns.push_back(column);
    }
    std::vector<QStringList> rows;
    rows.reserve(static_cast<size_t>(RowCount()));
    for (int row = 0; row < RowCount(); ++row) {
        QStringList cells;
        for (int column : columns)
            cells << m_model.Row(row).value(column);
        rows.push_back(cells);
    }
    return rows;
}

void CSortListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT openRequested();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex CSortListCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action == MoveHome || action == MoveEnd) && RowCount() > 0) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return m_model.index(action == MoveHome ? 0 : RowCount() - 1, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void CSortListCtrl::HeaderClicked(int column) {
    const bool ascending = m_sortState.Click(column);
    m_model.Sort(column, ascending);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}
