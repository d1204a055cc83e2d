#include "print/DocumentLayout.h"

#include "print/CellText.h"

#include <Qt>
#include <algorithm>

namespace DocumentLayout {

int LineHeight(const PrintFont& font) {
    return font.height * 23 / 20;
}

int DrawTitle(PageFrame& frame, const QString& title, const QString& numberLine, const PrintFont& font) {
    Canvas& canvas = frame.Draw();
    const int l = LineHeight(font);
    const int top = PageFrame::kMargin;
    const QRect band(frame.Left(), top, frame.Width(), 3 * l);
    frame.Shade(band);
    canvas.SetFont(kTitleFont);
    canvas.DrawText(band, Qt::AlignHCenter | Qt::AlignTop, title);
    const int y0 = 2 * l + top;
    canvas.SetFont(font);
    canvas.DrawText(QRect(frame.Left(), y0, frame.Width(), l), Qt::AlignHCenter | Qt::AlignTop, numberLine);
    const int y1 = y0 + 2 * l;
    frame.DoubleRule(y1 - font.height / 2, y1 - font.height / 3);
    return y1;
}

void DrawPartyBox(PageFrame& frame, const QRect& box, const QString& title, const QStringList& rows,
                  const PrintFont& font) {
    Canvas& canvas = frame.Draw();
    const int l = LineHeight(font);
    const QRect titleRow(box.left(), box.top(), box.width(), l);
    frame.ShadedFrame(titleRow);
    canvas.SetFont(font);
    canvas.DrawText(titleRow, Qt::AlignCenter, title);
    canvas.DrawRect(box);
    // Each text wraps at its words; when the lines outgrow the box, all of
    // them get smaller together, down to the footer's size.
    const QRect inner = box.adjusted(kCellPadding, l, -kCellPadding, 0);
    PrintFont fitted = font;
    QStringList lines;
    for (;;) {
        canvas.SetFont(fitted);
        lines.clear();
        for (const QString& row : rows)
            lines << WrapWhole(canvas, row, inner.width());
        if (lines.size() * LineHeight(fitted) <= inner.height() || fitted.height <= PageFrame::kFooterFont.height)
            break;
        fitted.height -= 2;
    }
    const int lineHeight = LineHeight(fitted);
    const int shown = std::min(static_cast<int>(lines.size()), inner.height() / lineHeight);
    for (int k = 0; k < shown; ++k) {
        const bool cut = k + 1 == shown && shown < lines.size();
        const QString text = cut ? ElideAtWord(canvas, lines.mid(k).join(' '), inner.width()) : lines[k];
        canvas.DrawText(QRect(inner.left(), inner.top() + k * lineHeight, inner.width(), lineHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    canvas.SetFont(font);
}

QRect LeftBox(const PageFrame& frame, int y, int l) {
    return QRect(frame.Left(), y, frame.Width() / 2 - frame.Left(), 7 * l);
}

QRect RightBox(const PageFrame& frame, int y, int l) {
    const int left = frame.Width() / 2 + 50;
    return QRect(left, y, frame.Right() - left, 7 * l);
}

void DrawPageLine(PageFrame& frame, const QString& line, const PrintFont& font) {
    const int l = LineHeight(font);
    frame.Draw().SetFont(font);
    frame.Draw().DrawText(QRect(frame.Left(), 3 * l, frame.Width(), 3 * l), Qt::AlignCenter, line);
}

void PlaceColumns(std::vector<Column>& columns) {
    int x = PageFrame::kMargin;
    for (Column& column : columns) {
        column.left = x;
        x += column.width;
    }
}

int DrawTable(PageFrame& frame, int y, const std::vector<Column>& columns, int first, int count,
              const std::function<QStringList(int)>& cells, const PrintFont& font) {
    Canvas& canvas = frame.Draw();
    const int l = LineHeight(font);
    canvas.SetFont(font);
    for (const Column& column : columns) {
        if (column.width == 0)
            continue;
        const QRect cell(column.left, y, column.width, l);
        frame.ShadedFrame(cell);
        canvas.DrawText(cell, Qt::AlignCenter, column.title);
    }
    y += l;
    for (int row = first; row < first + count; ++row) {
        const QStringList texts = cells(row);
        const int height = l * RowLineCount(texts);
        for (size_t k = 0; k < columns.size(); ++k) {
            if (columns[k].width == 0)
                continue;
            const QRect cell(columns[k].left, y, columns[k].width, height);
            canvas.DrawRect(cell);
            const QStringList lines = texts.value(static_cast<int>(k)).split('\n');
            for (int n = 0; n < lines.size(); ++n)
                DrawCellText(canvas, QRect(cell.left(), y + n * l, cell.width(), l),
                             columns[k].alignment | Qt::AlignVCenter, lines[n], font);
        }
        y += height;
    }
    return y;
}

QString WrappedCell(Canvas& canvas, const QString& text, int cellWidth, const PrintFont& font) {
    canvas.SetFont(font);
    return WrapWhole(canvas, text, cellWidth - 2 * kCellPadding).join('\n');
}

int RowLineCount(const QStringList& cells) {
    int lines = 1;
    for (const QString& cell : cells)
        lines = std::max(lines, static_cast<int>(cell.count('\n')) + 1);
    return lines;
}

void DrawPlannedRows(PageFrame& frame, int y, const DocumentPage& plan, const std::vector<Column>& columns,
                     const std::function<QStringList(int)>& cells, const PrintFont& font,
                     const std::function<int(int)>& totals, const std::function<int(int)>& closing) {
    if (plan.rows > 0 || plan.totals)
        y = DrawTable(frame, y, columns, plan.firstRow, plan.rows, cells, font);
    if (plan.totals)
        y = totals(y);
    if (plan.closing)
        closing(y);
    else
        frame.Footer(y);
}

int DrawTotalRow(PageFrame& frame, int y, int labelLeft, const Column& value, const QString& label,
                 const QString& figure, const PrintFont& font) {
    const int l = LineHeight(font);
    const QRect labelCell(labelLeft, y, value.left - labelLeft, l);
    const QRect valueCell(value.left, y, value.width, l);
    frame.ShadedFrame(labelCell);
    frame.ShadedFrame(valueCell);
    DrawFitting(frame.Draw(), labelCell, Qt::AlignLeft | Qt::AlignVCenter, label, font.height);
    DrawFitting(frame.Draw(), valueCell, Qt::AlignRight | Qt::AlignVCenter, figure, font.height);
    return y + l;
}

void DrawFitting(Canvas& canvas, const QRect& box, int alignment, const QString& text, int height) {
    PrintFont font{height, false, false};
    canvas.SetFont(font);
    while (font.height > PageFrame::kFooterFont.height && canvas.TextWidth(text) > box.width()) {
        font.height -= 2;
        canvas.SetFont(font);
    }
    canvas.DrawText(box, alignment, text);
}

int DrawSignatures(PageFrame& frame, int y, int gap, const QString& left, const QString& right, int height,
                   const PrintFont& font) {
    Canvas& canvas = frame.Draw();
    const int top = y;
    y += gap;
    const int middle = frame.Width() / 2; // (W - 100) / 2
    const int flow = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    canvas.SetFont(font);
    canvas.DrawText(QRect(52, y, middle - 2 - 52, height), flow, left);
    canvas.DrawText(QRect(middle + 52, y, frame.Right() - 2 - middle - 52, height), flow, right);
    const int bottom = frame.Footer(y + height);
    canvas.DrawRect(QRect(frame.Left(), top, frame.Width(), bottom - top));
    return bottom;
}

} // namespace DocumentLayout
