#pragma once

#include "documents/Offer.h"
#include "print/DocumentLayout.h"
#include "print/PrintJob.h"

#include <functional>

// The printed offer on portrait paper: the heading "О Ф Е Р Т А" with what
// the offer is for, its addressee, the lines in a framed table, the sum,
// discount, VAT and total, then the date, validity, notes and the author.
class OfferJob : public PrintJob {
public:
    std::optional<MailDocument> Mail() const override;
    // vatRate: the firm's rate, printed beside the VAT amount.
    OfferJob(Offer offer, double vatRate, std::function<bool()> economyMode);

    PrinterSettings::Orientation PageOrientation() const override {
        return PrinterSettings::Orientation::Portrait;
    }
    int PageCount(const PageGeometry& geometry) const override;
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

private:
    static PrintFont BaseFont() { return PrintFont{36, false, false}; }
    static int LineHeight() { return DocumentLayout::LineHeight(BaseFont()); }
    std::vector<DocumentPage> Pages(const PageGeometry& geometry) const;
    std::vector<DocumentLayout::Column> Columns(int pageWidth) const;
    // The item names wrapped in their column of a page that wide.
    QStringList WrappedNames(int pageWidth) const;
    QStringList Cells(int row, const QStringList& names) const;
    int DrawHeader(PageFrame& frame) const;
    int DrawTotals(PageFrame& frame, int y, const std::vector<DocumentLayout::Column>& columns) const;
    int DrawClosing(PageFrame& frame, int y) const;

    Offer m_offer;
    double m_vatRate;
    OfferTotals m_totals;
    std::function<bool()> m_economyMode;
};
