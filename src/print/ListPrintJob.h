#pragma once

#include "lists/ListColumn.h"
#include "print/PrintJob.h"

#include <QStringList>
#include <functional>
#include <vector>

// A column of a printed list: a fixed width in 0.1 mm, or 0 to share the
// width the fixed columns leave.
struct PrintColumn {
    QString title;
    int width = 0;
    int alignment = 0x0001; // Qt::AlignLeft
};

// The printed columns of a list's definition.
std::vector<PrintColumn> PrintColumnsOf(const std::vector<ListColumn>& columns);

// The printed form of a list or report: a bold title and a subtitle (the
// period or date) on the first page, "-- N/M --" on the others, a framed and
// shaded header row, 40 rows a page in landscape and 50 in portrait, an
// optional totals row on the last page, and the footer.
class ListPrintJob : public PrintJob {
public:
    ListPrintJob(QString title, QString subtitle, std::vector<PrintColumn> columns,
                 std::vector<QStringList> rows, PrinterSettings::Orientation orientation,
                 std::function<bool()> economyMode);

    void SetTotals(const QStringList& totals) { m_totals = totals; }
    // A note after the subtitle, such as the rate leva amounts were given in
    // euro at; nothing when empty.
    void AddSubtitleNote(const QString& note) {
        if (!note.isEmpty())
            m_subtitle += ", " + note;
    }
    // Two signature blocks side by side under the last row (or the totals);
    // a page of their own when the last page has no room left for them.
    void SetClosing(const QString& left, const QString& right) {
        m_closingLeft = left;
        m_closingRight = right;
    }
    // Rows a page, when a list prints more or fewer than the reports' 40 and 50.
    void SetRowsPerPage(int landscape, int portrait) {
        m_rowsLandscape = landscape;
        m_rowsPortrait = portrait;
    }
    // The line of the later pages, a printf format of the page and the count.
    void SetPageLine(const char* format) { m_pageLine = format; }
    // A document printed as a list names itself on its later pages too.
    void SetLaterPageName(const QString& name) { m_laterPageName = name; }
    // The rows the user selected (indices into the rows given), which
    // print alone when the user asks for the selection.
    void SetSelection(const std::vector<int>& rows);
    bool HasSelection() const override { return !m_selected.empty(); }
    void PrintSelectionOnly(bool only) override;

    PrinterSettings::Orientation PageOrientation() const override { return m_orientation; }
    int PageCount(const PageGeometry& page) const override;
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

    int RowsPerPage() const;
    // The x positions of the column edges on a page of that width.
    std::vector<int> ColumnEdges(int left, int width) const;

private:
    int RowHeight(const PageGeometry& geometry) const;
    bool HasClosing() const { return !m_closingLeft.isEmpty() || !m_closingRight.isEmpty(); }
    void DrawRow(Canvas& canvas, const std::vector<int>& edges, int y, int height, const QStringList& cells,
                 const PrintFont& font);

    QString m_title;
    QString m_subtitle;
    std::vector<PrintColumn> m_columns;
    std::vector<QStringList> m_rows;
    std::vector<int> m_printed;
    std::vector<int> m_selected;
    QStringList m_totals;
    QString m_closingLeft;
    QString m_closingRight;
    PrinterSettings::Orientation m_orientation;
    std::function<bool()> m_economyMode;
    const char* m_pageLine = "-- %d/%d --";
    QString m_laterPageName;
    int m_rowsLandscape = 40;
    int m_rowsPortrait = 50;
};
