#pragma once

#include "print/Canvas.h"

#include <QFont>

class QPainter;

// The Qt font of a printer font: Arial (or the sans-serif face standing in
// for it), sized in the canvas's units.
QFont QtFontOf(const PrintFont& font);

// A canvas over a painter on a printer or PDF page, scaled to 0.1 mm.
class PainterCanvas : public Canvas {
public:
    // The painter must be active on its device; it is scaled here.
    explicit PainterCanvas(QPainter& painter);

    void SetFont(const PrintFont& font) override;
    void DrawText(const QRect& box, int alignment, const QString& text) override;
    void FillRect(const QRect& box, const QColor& colour) override;
    void DrawRect(const QRect& box) override;
    void DrawLine(const QPoint& from, const QPoint& to) override;
    void DrawImage(const QRect& box, const QImage& image) override;
    int TextWidth(const QString& text) override;

private:
    QPainter& m_painter;
};
