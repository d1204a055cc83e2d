#pragma once

#include "documents/WarrantyCard.h"
#include "print/PrintJob.h"

#include <QImage>
#include <functional>

// The printed warranty card: the firm's head image (when there is one), the
// title with the number and date, the customer, the base document, who
// received the goods and the term; the conditions above or below the table
// of lines with their serial numbers and months; as many pages as the lines
// need, the page number on the later ones.
class WarrantyCardJob : public PrintJob {
public:
    std::optional<MailDocument> Mail() const override;
    WarrantyCardJob(WarrantyCard card, QImage head, std::function<bool()> economyMode);

    PrinterSettings::Orientation PageOrientation() const override {
        return PrinterSettings::Orientation::Portrait;
    }
    int PageCount(const PageGeometry& page) const override;
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

    static constexpr int kHeadHeight = 300;
    static constexpr int kFirstPageRows = 30;
    static constexpr int kLaterPageRows = 45;
    // The rows the conditions take under the table.
    static constexpr int kConditionRows = 8;
    static constexpr int kSignatureRows = 4;

private:
    // The first line and the count of lines on a page.
    std::pair<int, int> LinesOf(int page) const;
    int DrawConditions(Canvas& canvas, int left, int width, int y) const;

    WarrantyCard m_card;
    QImage m_head;
    std::function<bool()> m_economyMode;
};
