#pragma once

#include "print/Canvas.h"

// The size of the printable area of a page, in 0.1 mm.
struct PageGeometry {
    int width = 2000;
    int height = 2870;
};

// What every printed page shares: margins, fonts, the shading of title bands,
// header and total cells (left out in economy mode, like the double rule
// under document titles), and the footer line.
class PageFrame {
public:
    static constexpr int kMargin = 50;
    static constexpr PrintFont kTextFont{36, false, false};
    static constexpr PrintFont kTitleFont{50, true, false};
    static constexpr PrintFont kFooterFont{24, false, true};
    static constexpr int kFooterHeight = kFooterFont.height * 3 / 2;
    static QColor ShadingColour() { return QColor(220, 220, 220); }

    PageFrame(Canvas& canvas, const PageGeometry& page, bool economy)
        : m_canvas(canvas), m_page(page), m_economy(economy) {}

    Canvas& Draw() { return m_canvas; }
    int Left() const { return kMargin; }
    int Right() const { return m_page.width - kMargin; }
    int Width() const { return Right() - Left(); }
    int Height() const { return m_page.height; }
    bool Economy() const { return m_economy; }

    // A shaded cell with its frame; only the frame in economy mode.
    void ShadedFrame(const QRect& box);
    void Shade(const QRect& box);
    // Two rules across the page under a document title (not in economy mode).
    void DoubleRule(int upper, int lower);
    // The footer band at y, under the last element of the page; returns its bottom.
    int Footer(int y);

private:
    Canvas& m_canvas;
    PageGeometry m_page;
    bool m_economy;
};
