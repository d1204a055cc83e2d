#include "print/ListPrintJob.h"

#include "print/CellText.h"

#include <Qt>
#include <algorithm>
#include <numeric>

namespace {
constexpr int kTitleHeight = 80;
constexpr int kSubtitleHeight = 60;
constexpr int kFooterSpace = 50;
// The signature blocks take the height of this many rows.
constexpr int kClosingRows = 10;
} // namespace

std::vector<PrintColumn> PrintColumnsOf(const std::vector<ListColumn>& columns) {
    std::vector<PrintColumn> printed;
    for (int k : PrintedColumns(columns)) {
        const ListColumn& column = columns[static_cast<size_t>(k)];
        printed.push_back({column.printTitle, column.printWidth, static_cast<int>(column.alignment)});
    }
    return printed;
}

ListPrintJob::ListPrintJob(QString title, QString subtitle, std::vector<PrintColumn> columns,
                           std::vector<QStringList> rows, PrinterSettings::Orientation orientation,
                           std::function<bool()> economyMode)
    : m_title(std::move(title)), m_subtitle(std::move(subtitle)), m_columns(std::move(columns)),
      m_rows(std::move(rows)), m_orientation(orientation), m_economyMode(std::move(economyMode)) {
    m_printed.resize(m_rows.size());
    std::iota(m_printed.begin(), m_printed.end(), 0);
}

void ListPrintJob::SetSelection(const std::vector<int>& rows) {
    m_selected.clear();
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(m_rows.size()))
            m_selected.push_back(row);
}

void ListPrintJob::PrintSelectionOnly(bool only) {
    if (only) {
        m_printed = m_selected;
        return;
    }
    m_printed.resize(m_rows.size());
    std::iota(m_printed.begin(), m_printed.end(), 0);
}

int ListPrintJob::RowsPerPage() const {
    return m_orientation == PrinterSettings::Orientation::Landscape ? m_rowsLandscape : m_rowsPortrait;
}

int ListPrintJob::PageCount(const PageGeometry&) const {
    const int rows = static_cast<int>(m_printed.size());
    const int pages = std::max(1, (rows + RowsPerPage() - 1) / RowsPerPage());
    if (!HasClosing())
        return pages;
    // A page holds its rows, the header and one more row; the last page also
    // the totals and the signatures.
    const int last = rows - (pages - 1) * RowsPerPage();
    const int needed = last + 1 + (m_totals.isEmpty() ? 0 : 1) + kClosingRows;
    return needed > RowsPerPage() + 2 ? pages + 1 : pages;
}

// Rows, the header and the totals share what the title and footer leave.
int ListPrintJob::RowHeight(const PageGeometry& geometry) const {
    const int free = geometry.height - 2 * PageFrame::kMargin - kTitleHeight - kSubtitleHeight - kFooterSpace;
    return std::clamp(free / (RowsPerPage() + 2), 28, 50);
}

std::vector<int> ListPrintJob::ColumnEdges(int left, int width) const {
    int fixed = 0;
    int shared = 0;
    for (const PrintColumn& column : m_columns) {
        fixed += column.width;
        shared += column.width == 0 ? 1 : 0;
    }
    const int share = shared ? std::max(0, width - fixed) / shared : 0;
    std::vector<int> edges{left};
    for (const PrintColumn& column : m_columns)
        edges.push_back(edges.back() + (column.width ? column.width : share));
    return edges;
}

void ListPrintJob::DrawRow(Canvas& canvas, const std::vector<int>& edges, int y, int height,
                           const QStringList& cells, const PrintFont& font) {
    for (size_t k = 0; k < m_columns.size(); ++k) {
        const QRect cell(edges[k], y, edges[k + 1] - edges[k], height);
        canvas.DrawRect(cell);
        DrawCellText(canvas, cell, m_columns[k].alignment | Qt::AlignVCenter, cells.value(static_cast<int>(k)),
                     font);
    }
}

void ListPrintJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    PageFrame frame(canvas, geometry, m_economyMode && m_economyMode());
    const int pages = PageCount(geometry);
    const int rowHeight = RowHeight(geometry);
    const PrintFont rowFont{rowHeight * 6 / 10, false, false};
    const PrintFont headerFont{rowHeight * 6 / 10, true, false};
    int y = PageFrame::kMargin;

    if (page == 1) {
        const QRect band(frame.Left(), y, frame.Width(), kTitleHeight);
        frame.Shade(band);
        canvas.SetFont(PageFrame::kTitleFont);
        canvas.DrawText(band, Qt::AlignCenter, m_title);
        y += kTitleHeight;
    }
    canvas.SetFont(PageFrame::kTextFont);
    canvas.DrawText(QRect(frame.Left(), y, frame.Width(), kSubtitleHeight), Qt::AlignCenter,
                    page == 1                  ? m_subtitle
                    : m_laterPageName.isEmpty() ? QString::asprintf(m_pageLine, page, pages)
                                                : m_laterPageName + "   " + QString::asprintf(m_pageLine, page, pages));
    y += kSubtitleHeight;

    const std::vector<int> edges = ColumnEdges(frame.Left(), frame.Width());
    canvas.SetFont(headerFont);
    for (size_t k = 0; k < m_columns.size(); ++k) {
        const QRect cell(edges[k], y, edges[k + 1] - edges[k], rowHeight);
        frame.ShadedFrame(cell);
        canvas.DrawText(cell.adjusted(8, 0, -8, 0), Qt::AlignCenter, m_columns[k].title);
    }
    y += rowHeight;

    canvas.SetFont(rowFont);
    const int first = (page - 1) * RowsPerPage();
    const int last = std::min(first + RowsPerPage(), static_cast<int>(m_printed.size()));
    for (int i = first; i < last; ++i, y += rowHeight)
        DrawRow(canvas, edges, y, rowHeight, m_rows[static_cast<size_t>(m_printed[static_cast<size_t>(i)])],
                rowFont);

    if (page == pages && !m_totals.isEmpty()) {
        canvas.SetFont(headerFont);
        for (size_t k = 0; k < m_columns.size(); ++k) {
            const QRect cell(edges[k], y, edges[k + 1] - edges[k], rowHeight);
            frame.ShadedFrame(cell);
            DrawCellText(canvas, cell, m_columns[k].alignment | Qt::AlignVCenter, m_totals.value(static_cast<int>(k)),
                         headerFont);
        }
        y += rowHeight;
    }
    if (page == pages && HasClosing()) {
        canvas.SetFont(rowFont);
        const int flow = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const int half = frame.Width() / 2;
        const int height = (kClosingRows - 1) * rowHeight;
        y += rowHeight;
        canvas.DrawText(QRect(frame.Left() + 8, y, half - 16, height), flow, m_closingLeft);
        canvas.DrawText(QRect(frame.Left() + half + 8, y, half - 16, height), flow, m_closingRight);
        y += height;
    }
    frame.Footer(y + 10);
}
