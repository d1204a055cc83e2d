#pragma once

#include "print/Canvas.h"

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
