#pragma once

#include <vector>

// One page of a printed document of lines: the range of lines it holds, and
// whether the totals and the closing part (signatures and the framed
// footer) come on it.
struct DocumentPage {
    int firstRow = 0;
    int rows = 0;
    bool totals = false;
    bool closing = false;
    bool operator==(const DocumentPage&) const = default;
};

// The heights, in 0.1 mm, that decide what fits on a page.
struct PageMetrics {
    int pageHeight = 2870; // the printable height
    int firstTableTop = 0; // the table's header row on page 1
    int laterTableTop = 0; // and on the other pages
    int rowHeight = 41;    // the header row and every line
    int totalsHeight = 0;  // 0 when the document prints no totals
    int closingHeight = 0; // signatures with the line above them; 0 when none
    int footerHeight = 0;
    // The lines each row takes when a text wraps inside its cell; empty
    // when every row takes one.
    std::vector<int> rowLines;
    int RowHeight(int row) const;
};

// Lines a page on A4: up to 30 on a single page; from 31 to 80, 40 on the
// first page and the rest on the second; above 80, 40 on the first, 50 on
// each middle page and what remains (perhaps nothing) on the last.
std::vector<int> DocumentRowsPerPage(int lines);

// The pages of a document of that many lines: the A4 rule above, except
// that a line that would not fit above the footer moves to the next page,
// and totals or signatures that would not fit start a page of their own.
std::vector<DocumentPage> PlanDocumentPages(int lines, const PageMetrics& metrics);
