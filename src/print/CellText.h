#pragma once

#include "print/Canvas.h"

#include <QStringList>

// The text of a table cell, which never loses a figure: a text wider than
// the cell is drawn in a smaller font, down to the footer's size; a figure
// still too wide then wraps inside the cell, and a word text is cut after
// its last whole word with an ellipsis, from the left edge. The text keeps a
// small distance from the cell's frame. The canvas keeps the given font.
void DrawCellText(Canvas& canvas, const QRect& cell, int alignment, const QString& text, const PrintFont& font);

// The space between a cell's frame and its text, in 0.1 mm.
inline constexpr int kCellPadding = 6;

// The text cut after its last word that fits the width, with "…"; the
// whole text when it fits.
QString ElideAtWord(Canvas& canvas, const QString& text, int width);

// A text in a box of several lines: broken at its words into the lines of
// the box, in a smaller font (down to the footer's size) when it needs more
// lines than the box holds; the last line that fits ends with "…" only
// when even that is not enough. Each line is drawn in its own row. The
// canvas keeps the given font.
void DrawWrappedText(Canvas& canvas, const QRect& box, int alignment, const QString& text,
                     const PrintFont& font);

// The text broken at spaces into lines no wider than the width (a word
// wider than that stands alone on its line).
QStringList WrapWords(Canvas& canvas, const QString& text, int width);

// The text broken into lines no wider than the width: its own line feeds
// kept, at spaces where it can, and a word wider than the width (a long
// serial number) split between characters, so that no character is lost.
QStringList WrapWhole(Canvas& canvas, const QString& text, int width);
