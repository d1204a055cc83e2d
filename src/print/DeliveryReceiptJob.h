#pragma once

#include "print/DocumentLayout.h"
#include "print/DocumentPagePlan.h"
#include "print/PrintJob.h"
#include "stockops/DeliveryPrintout.h"

#include <functional>
#include <vector>

// The warehouse receipt "СКЛАДОВА РАЗПИСКА" of a delivery, on portrait
// paper: the title band with number and date, the supplier and receiver
// boxes, the lines in a framed table over as many pages as they need (a VAT
// column when both parties are VAT registered), the totals and the two
// signature blocks.
class DeliveryReceiptJob : public PrintJob {
public:
    std::optional<MailDocument> Mail() const override;
    // economyMode is read anew for every page.
    DeliveryReceiptJob(DeliveryPrintout printout, std::function<bool()> economyMode);

    PrinterSettings::Orientation PageOrientation() const override {
        return PrinterSettings::Orientation::Portrait;
    }
    int PageCount(const PageGeometry& geometry) const override;
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

    std::vector<DocumentPage> Pages(const PageGeometry& geometry) const;
    std::vector<DocumentLayout::Column> Columns(int pageWidth) const;
    QStringList Cells(int row) const;

private:
    static PrintFont BaseFont() { return PrintFont{36, false, false}; }
    static int LineHeight() { return DocumentLayout::LineHeight(BaseFont()); }
    static int TableTop(int page);
    int DrawTotals(PageFrame& frame, int y) const;
    void DrawFirstHeader(PageFrame& frame) const;
    int DrawClosing(PageFrame& frame, int y) const;

    DeliveryPrintout m_doc;
    std::function<bool()> m_economyMode;
};
