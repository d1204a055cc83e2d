#pragma once

#include "lists/ui/SortListModel.h"

#include <QTableView>

class ListPreferences;
class SortState;

// The list of every form: full-row selection, grid lines, columns that sort
// by their type when their header is clicked (the last sorted column and
// direction shared by all lists), and Enter to open the selected row.
class CSortListCtrl : public QTableView {
    Q_OBJECT
public:
    CSortListCtrl(SortState& sortState, QWidget* parent = nullptr);

    void AddColumn(const QString& title, int width, Qt::Alignment alignment, SortType sortType);
    // Every column of a list's definition; a column of width 0 is hidden.
    // Widths are scaled to the font in use (see ScaledColumnWidth).
    void SetColumns(const std::vector<ListColumn>& columns);
    // Shows a column at its designed width, or hides it for width 0.
    void ShowColumn(int column, int width);
    // Widths the user drags are kept in the settings under the list's name
    // and come back the next time the list is made.
    void RememberWidths(ListPreferences& settings, const QString& listName);
    void SetRows(std::vector<QStringList> rows, std::vector<RowTone> tones = {});
    // The rows of a form: sorted on the first column ascending, and the row
    // given by its position among the rows (source) selected, or the first.
    void ShowRows(std::vector<QStringList> rows, std::vector<RowTone> tones, int selectSource);
    void Clear() { m_model.Clear(); }
    int RowCount() const { return m_model.rowCount(); }
    const QStringList& Row(int row) const { return m_model.Row(row); }
    // The row with the focus, -1 when none.
    int CurrentRow() const;
    std::vector<int> SelectedRows() const;
    // Selects, focuses and shows a row.
    void SelectRow(int row);
    // The source position of the current row while a row is selected, -1
    // otherwise; and of every selected row, in ascending order.
    int SelectedSource() const;
    std::vector<int> SelectedSources() const;
    SortListModel& Model() { return m_model; }
    const SortListModel& Model() const { return m_model; }

    // The list as shown: the titles of the visible columns and the rows in
    // list order, for export and printing.
    QStringList VisibleTitles() const;
    std::vector<QStringList> VisibleRows() const;

    // The column (a name) that gives up width, down to `least` pixels, so
    // that the list needs no horizontal scrolling; it takes back up to its
    // designed width when the list grows.
    void FitByColumn(int column, int least);

Q_SIGNALS:
    // Enter was pressed on the list.
    void openRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Home and End go to the first and last row, as PgUp and PgDn page
    // through the rows; the columns stay where they are.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void HeaderClicked(int column);
    void SizeColumn(int column, int width);

    void FitColumns();

    SortState& m_sortState;
    SortListModel m_model;
    int m_fitColumn = -1;
    int m_fitLeast = 0;
    int m_fitDesigned = 0;
};
