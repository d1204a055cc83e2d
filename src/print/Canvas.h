#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// A printer font: Arial, its height in 0.1 mm.
struct PrintFont {
    int height = 36;
    bool bold = false;
    bool italic = false;
    bool operator==(const PrintFont&) const = default;
};

// What page routines draw on, in units of 0.1 mm from the top left corner of
// the printable area: paper, a PDF file, or a recording in tests.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetFont(const PrintFont& font) = 0;
    // Text in a box, aligned by Qt::Alignment flags, on a transparent
    // background and clipped to the box; one line unless the flags hold
    // Qt::TextWordWrap, which breaks it at its line feeds and wraps it.
    virtual void DrawText(const QRect& box, int alignment, const QString& text) = 0;
    virtual void FillRect(const QRect& box, const QColor& colour) = 0;
    // A frame with the black pen.
    virtual void DrawRect(const QRect& box) = 0;
    virtual void DrawLine(const QPoint& from, const QPoint& to) = 0;
    // An image scaled into the box, keeping its proportions.
    virtual void DrawImage(const QRect& box, const QImage& image) = 0;
    // The width of a text in the current font.
    virtual int TextWidth(const QString& text) = 0;
};
