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

void PageFrame::DoubleRule(int upper, int lower) {
    if (m_economy)
        return;
    m_canvas.DrawLine(QPoint(Left(), upper), QPoint(Right(), upper));
    m_canvas.DrawLine(QPoint(Left(), lower), QPoint(Right(), lower));
}

int PageFrame::Footer(int y) {
    const QRect band(Left(), y, Width(), kFooterHeight);
    Shade(band);
    m_canvas.DrawLine(band.topLeft(), QPoint(Right(), y));
    m_canvas.SetFont(kFooterFont);
    m_canvas.DrawText(band, Qt::AlignCenter, "Тази страница е отпечатена от ПП \"Tarvo\".");
    return y + kFooterHeight;
}
