#pragma once

#include "print/DocumentLayout.h"
#include "print/DocumentPagePlan.h"
#include "print/PrintJob.h"
#include "sales/SalePrintout.h"

#include <functional>
#include <vector>

// What the printed sale documents take from the settings.
struct SalePrintOptions {
    bool noStockNotePrices = false;      // goods notes without prices and totals
    bool stockNotesWithoutCodes = false; // goods notes without the item codes
    bool invoicesWithoutCodes = false;   // the other documents without them
    int pricePrecision = 2;              // above 2 the base font is smaller
    std::function<bool()> economyMode;   // read anew for every page
};

// The printed goods note, invoice, pro-forma, debit or credit note, on
// portrait paper: the title band with the number and date, the customer and
// firm boxes, the lines in a framed table over as many pages as they need,
// the totals with the amount in words, and the signatures.
class SaleDocumentJob : public PrintJob {
public:
    std::optional<MailDocument> Mail() const override;
    SaleDocumentJob(SalePrintout printout, SalePrintOptions options);

    PrinterSettings::Orientation PageOrientation() const override {
        return PrinterSettings::Orientation::Portrait;
    }
    int PageCount(const PageGeometry& geometry) const override;
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

    std::vector<DocumentPage> Pages(const PageGeometry& geometry) const;
    // The title: by the document, with " - ОРИГИНАЛ" on the original of an
    // invoice or note.
    QString Title() const;

    // The table's columns on a page of that width (0 wide: not printed).
    std::vector<DocumentLayout::Column> Columns(int pageWidth) const;
    QStringList Cells(int row) const;

private:
    bool IsGoodsNote() const { return m_doc.op == SaleOp::GoodsNote; }
    bool PrintsPrices() const { return !(IsGoodsNote() && m_options.noStockNotePrices); }
    bool PrintsCodes() const;
    PrintFont BaseFont() const;
    PrintFont SecondaryFont() const { return PrintFont{32, false, false}; }
    // L: the line height of the base font.
    int LineHeight() const;
    int TableTop(int page) const;
    int TotalsHeight() const;
    int ClosingHeight() const;
    QString PageLine(int page) const;

    void DrawFirstHeader(PageFrame& frame) const;
    int DrawTotals(PageFrame& frame, int y) const;
    int DrawClosing(PageFrame& frame, int y) const;

    SalePrintout m_doc;
    SalePrintOptions m_options;
};
