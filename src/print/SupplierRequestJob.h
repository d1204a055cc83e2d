#pragma once

#include "print/DocumentLayout.h"
#include "print/PrintJob.h"
#include "stockops/RequestPrintout.h"

#include <functional>

// The printed supplier request "ЗАЯВКА" (or "REQUEST" in English) on portrait
// paper: on every page the title band with number, date and page; on the
// first the supplier and recipient boxes; the lines in a framed table (the
// price columns only with prices), the total in the request's currency, the
// notes, and who prepared and who carries the goods, with their signatures.
class SupplierRequestJob : public PrintJob {
public:
    std::optional<MailDocument> Mail() const override;
    SupplierRequestJob(RequestPrintout printout, std::function<bool()> economyMode);

    PrinterSettings::Orientation PageOrientation() const override {
        return PrinterSettings::Orientation::Portrait;
    }
    int PageCount(const PageGeometry& geometry) const override;
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

    // The words of the layout in the request's print language.
    struct Texts {
        const char* title;
        const char* numberAndDate; // number, display date
        const char* page;
        const char* supplier;
        const char* recipient;
        const char* party; // name, city, address, id, VAT id, manager
        const char* preparedBy;
        const char* carrier;
        const char* signature;
        const char* notes;
        const char* total; // currency
        const char* columns[7];
    };
    static const Texts& TextsOf(int language);

private:
    static PrintFont BaseFont() { return PrintFont{36, false, false}; }
    static int LineHeight() { return DocumentLayout::LineHeight(BaseFont()); }
    std::vector<DocumentPage> Pages(const PageGeometry& geometry) const;
    std::vector<DocumentLayout::Column> Columns(int pageWidth) const;
    QStringList Cells(int row) const;
    int DrawHeader(PageFrame& frame, int page) const;
    int DrawClosing(PageFrame& frame, int y) const;

    RequestPrintout m_doc;
    const Texts& m_texts;
    std::function<bool()> m_economyMode;
};
