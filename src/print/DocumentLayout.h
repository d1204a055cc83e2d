#pragma once

#include "print/DocumentPagePlan.h"
#include "print/PageFrame.h"

#include <QStringList>
#include <functional>
#include <vector>

// What the printed documents of lines share: the line height of their base
// font, the title band, a box of labelled rows, the framed table, the page
// line of later pages, the signatures closed by the footer, and a text that
// shrinks to fit its cell. Positions are in 0.1 mm from the top left corner
// of the printable area.
namespace DocumentLayout {

inline constexpr PrintFont kTitleFont{72, true, false};

// L: the character height with the external leading of an Arial face,
// fixed so that a page plan is known before anything is drawn.
int LineHeight(const PrintFont& font);

// The shaded title band from the top margin, 3L high, the title in the 72
// bold font, the number line under it, and the double rule over
// y1 = 4L + 50 (not in economy mode); returns y1.
int DrawTitle(PageFrame& frame, const QString& title, const QString& numberLine, const PrintFont& font);
// A framed box under a shaded title row, one row of L per text; every text
// stays inside the box.
void DrawPartyBox(PageFrame& frame, const QRect& box, const QString& title, const QStringList& rows,
                  const PrintFont& font);
// The left box from the margin to (W - 100) / 2 and the right one from
// there + 50 to W - 50, at y, 7L high.
QRect LeftBox(const PageFrame& frame, int y, int l);
QRect RightBox(const PageFrame& frame, int y, int l);
// "СТРАНИЦА …" of a later page, centred in the band from 3L to 6L.
void DrawPageLine(PageFrame& frame, const QString& line, const PrintFont& font);

// A table column: title, left edge, width (0: not printed) and alignment.
struct Column {
    QString title;
    int width = 0;
    int alignment = 0;
    int left = 0;
};
// Gives the columns their left edges, from the margin on.
void PlaceColumns(std::vector<Column>& columns);
// The shaded header row and rows first .. first + count - 1, every cell
// framed; a cell's text broken by line feeds takes a line of the row each,
// the row as high as its fullest cell. Returns the y under the last row.
int DrawTable(PageFrame& frame, int y, const std::vector<Column>& columns, int first, int count,
              const std::function<QStringList(int)>& cells, const PrintFont& font);
// A cell's text broken into the lines it needs inside a cell that wide,
// joined by line feeds, measured in the given font.
QString WrappedCell(Canvas& canvas, const QString& text, int cellWidth, const PrintFont& font);
// The lines of the fullest cell of a row.
int RowLineCount(const QStringList& cells);

// The part of a planned page under its header: the plan's rows in the table
// from y, then the totals and the closing part (or just the footer) as the
// plan has them; totals and closing take the y to start at and return the
// y under them.
void DrawPlannedRows(PageFrame& frame, int y, const DocumentPage& plan, const std::vector<Column>& columns,
                     const std::function<QStringList(int)>& cells, const PrintFont& font,
                     const std::function<int(int)>& totals, const std::function<int(int)>& closing);

// A totals row under the table: the label in a shaded cell from labelLeft to
// the value column, the figure in that column; returns the y under it.
int DrawTotalRow(PageFrame& frame, int y, int labelLeft, const Column& value, const QString& label,
                 const QString& figure, const PrintFont& font);

// A one-line text made smaller, down to the footer's size, until it fits.
void DrawFitting(Canvas& canvas, const QRect& box, int alignment, const QString& text, int height);

// Two signature blocks `gap` under y, side by side and `height` high, then
// the footer; the blocks and the footer are framed together from y.
// Returns the bottom of the footer.
int DrawSignatures(PageFrame& frame, int y, int gap, const QString& left, const QString& right, int height,
                   const PrintFont& font);

} // namespace DocumentLayout
