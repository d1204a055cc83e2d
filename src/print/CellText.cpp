#include "print/CellText.h"

#include "print/PageFrame.h"

#include <Qt>
#include <algorithm>

namespace {

// Digits with their sign, separators and a per cent or unit sign at most.
bool isFigure(const QString& text) {
    int digits = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            ++digits;
        else if (c.isLetter())
            return false;
    }
    return digits > 0;
}

} // namespace

QString ElideAtWord(Canvas& canvas, const QString& text, int width) {
    if (canvas.TextWidth(text) <= width)
        return text;
    const QString ellipsis = "…";
    QString kept = text.simplified();
    while (!kept.isEmpty() && canvas.TextWidth(kept + ellipsis) > width) {
        const qsizetype space = kept.lastIndexOf(' ');
        // A single word wider than the cell is cut by characters.
        kept = space > 0 ? kept.left(space).trimmed() : kept.left(kept.size() - 1);
    }
    return kept + ellipsis;
}

void DrawCellText(Canvas& canvas, const QRect& cell, int alignment, const QString& text, const PrintFont& font) {
    const QRect inner = cell.adjusted(kCellPadding, 0, -kCellPadding, 0);
    PrintFont fitted = font;
    canvas.SetFont(fitted);
    while (fitted.height > PageFrame::kFooterFont.height && canvas.TextWidth(text) > inner.width()) {
        fitted.height -= 2;
        canvas.SetFont(fitted);
    }
    if (canvas.TextWidth(text) <= inner.width())
        canvas.DrawText(inner, alignment, text);
    else if (isFigure(text))
        canvas.DrawText(inner, alignment | Qt::TextWrapAnywhere, text);
    else
        canvas.DrawText(inner, (alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft,
                        ElideAtWord(canvas, text, inner.width()));
    canvas.SetFont(font);
}

QStringList WrapWords(Canvas& canvas, const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.simplified().split(' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && canvas.TextWidth(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

void DrawWrappedText(Canvas& canvas, const QRect& box, int alignment, const QString& text,
                     const PrintFont& font) {
    PrintFont fitted = font;
    canvas.SetFont(fitted);
    QStringList lines = WrapWords(canvas, text, box.width());
    const auto rows = [&] { return box.height() / std::max(1, fitted.height * 23 / 20); };
    while (fitted.height > PageFrame::kFooterFont.height && lines.size() > rows()) {
        fitted.height -= 2;
        canvas.SetFont(fitted);
        lines = WrapWords(canvas, text, box.width());
    }
    const int shown = std::max(1, std::min(static_cast<int>(lines.size()), rows()));
    if (lines.size() > shown)
        lines[shown - 1] = ElideAtWord(canvas, lines.mid(shown - 1).join(' '), box.width());
    const int height = box.height() / std::max(shown, rows());
    for (int k = 0; k < shown; ++k)
        canvas.DrawText(QRect(box.left(), box.top() + k * height, box.width(), height), alignment,
                        ElideAtWord(canvas, lines[k], box.width()));
    canvas.SetFont(font);
}

QStringList WrapWhole(Canvas& canvas, const QString& text, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        if (canvas.TextWidth(paragraph) <= width) {
            lines << paragraph; // as it stands, spaces and all
            continue;
        }
        for (QString line : WrapWords(canvas, paragraph, width)) {
            while (line.size() > 1 && canvas.TextWidth(line) > width) {
                qsizetype cut = line.size() - 1;
                while (cut > 1 && canvas.TextWidth(line.left(cut)) > width)
                    --cut;
                // A serial number breaks after a dash or slash where it has one.
                const qsizetype mark = std::max(line.lastIndexOf('-', cut - 1), line.lastIndexOf('/', cut - 1));
                if (mark > 0)
                    cut = mark + 1;
                lines << line.left(cut);
                line = line.mid(cut).trimmed();
            }
            lines << line;
        }
    }
    return lines;
}
