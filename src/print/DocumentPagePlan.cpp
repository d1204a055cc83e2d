#include "print/DocumentPagePlan.h"

#include <algorithm>

std::vector<int> DocumentRowsPerPage(int lines) {
    if (lines <= 30)
        return {std::max(lines, 0)};
    if (lines <= 80)
        return {std::min(lines, 40), std::max(0, lines - 40)};
    std::vector<int> pages{40};
    const int middle = (lines - 80 + 49) / 50;
    for (int k = 0; k < middle; ++k)
        pages.push_back(std::min(50, lines - 40 - 50 * k));
    pages.push_back(std::max(0, lines - 40 - 50 * middle));
    return pages;
}

int PageMetrics::RowHeight(int row) const {
    const size_t index = static_cast<size_t>(row);
    return rowHeight * (index < rowLines.size() ? std::max(1, rowLines[index]) : 1);
}

namespace {

// The rows from `first` that fit under the header row above the footer, at
// most `wanted`; at least one, so that any page makes progress.
int capacity(const PageMetrics& m, bool firstPage, int first, int wanted) {
    int y = (firstPage ? m.firstTableTop : m.laterTableTop) + m.rowHeight;
    int rows = 0;
    while (rows < wanted && y + m.RowHeight(first + rows) <= m.pageHeight - m.footerHeight)
        y += m.RowHeight(first + rows++);
    return std::max(std::min(1, wanted), rows);
}

} // namespace

std::vector<DocumentPage> PlanDocumentPages(int lines, const PageMetrics& m) {
    std::vector<DocumentPage> pages;
    int next = 0;
    int carried = 0;
    auto place = [&](int wanted) {
        const int taken = capacity(m, pages.empty(), next, wanted);
        pages.push_back({next, taken, false, false});
        next += taken;
        carried = wanted - taken;
    };
    for (int wanted : DocumentRowsPerPage(lines))
        place(wanted + carried);
    while (carried > 0)
        place(carried);

    // The last page's table ends here; what closes the document follows.
    auto tableEnd = [&]() {
        const DocumentPage& last = pages.back();
        int y = (pages.size() == 1 ? m.firstTableTop : m.laterTableTop) + m.rowHeight;
        for (int row = last.firstRow; row < last.firstRow + last.rows; ++row)
            y += m.RowHeight(row);
        return y;
    };
    int y = tableEnd();
    if (m.totalsHeight > 0) {
        if (y + m.totalsHeight + m.footerHeight > m.pageHeight) {
            pages.push_back({next, 0, false, false});
            y = tableEnd();
        }
        pages.back().totals = true;
        y += m.totalsHeight;
    }
    if (y + m.closingHeight + m.footerHeight > m.pageHeight)
        pages.push_back({next, 0, false, false});
    pages.back().closing = true;
    return pages;
}
