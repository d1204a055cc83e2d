#include "print/PageFrame.h"

#include <Qt>

void PageFrame::Shade(const QRect& box) {
    if (!m_economy)
        m_canvas.FillRect(box, ShadingColour());
}

void PageFrame::ShadedFrame(const QRect& box) {
    Shade(box);
    m_canvas.DrawRect(box);
}

void PageFrame::DoubleRule(int y) {
    if (m_economy)
        return;
    m_canvas.DrawLine(QPoint(Left(), y), QPoint(Right(), y));
    m_canvas.DrawLine(QPoint(Left(), y + 8), QPoint(Right(), y + 8));
}

int PageFrame::Footer(int y) {
    const int height = kFooterFont.height * 3 / 2;
    const QRect band(Left(), y, Width(), height);
    Shade(band);
    m_canvas.DrawLine(band.topLeft(), QPoint(Right(), y));
    m_canvas.SetFont(kFooterFont);
    m_canvas.DrawText(band, Qt::AlignCenter, "Тази страница е отпечатена от ПП \"Tarvo\".");
    return y + height;
}
