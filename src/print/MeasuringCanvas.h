#pragma once

#include "print/Canvas.h"

#include <QFont>

// A canvas that draws nothing and measures texts as paper and PDF do: a
// page plan that wraps texts is made with it before any page is drawn, so
// the count of pages is known first and every page draws the same lines.
class MeasuringCanvas : public Canvas {
public:
    void SetFont(const PrintFont& font) override;
    void DrawText(const QRect&, int, const QString&) override {}
    void FillRect(const QRect&, const QColor&) override {}
    void DrawRect(const QRect&) override {}
    void DrawLine(const QPoint&, const QPoint&) override {}
    void DrawImage(const QRect&, const QImage&) override {}
    // A little wider than the font's advance, so that a line measured here
    // fits on any device whose hinting differs slightly.
    int TextWidth(const QString& text) override;

private:
    QFont m_font;
};
