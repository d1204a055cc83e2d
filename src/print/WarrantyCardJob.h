#pragma once

#include "documents/WarrantyCard.h"
#include "print/PrintJob.h"

#include <QImage>
#include <QStringList>
#include <functional>
#include <optional>

// The printed warranty card: the firm's head image (when there is one), the
// title with the number and date, the customer, the base document, who
// received the goods and the term; the conditions above or below the table
// of lines with their serial numbers and months; then the signatures. The
// parts flow from page to page as far as each page holds them: a serial
// number, a remark or a name wraps inside its row, the conditions go on
// over the next page, and the signatures move to a page of their own only
// when they do not fit under the rest. Later pages carry the page number.
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
    static constexpr int kSignatureRows = 4;

private:
    // What one page holds, with the y where each part starts.
    struct Page {
        int firstCondition = 0;
        int conditions = 0;
        int conditionsTop = 0;
        int firstRow = 0;
        int rows = 0;
        int tableTop = 0;
        bool signatures = false;
        int end = 0; // where the signatures or the footer start
    };
    struct Plan {
        int width = 0;
        int height = 0;
        std::vector<QStringList> cells; // each row's texts, wrapped in their columns
        QStringList conditions;         // the conditions' lines across the page
        std::vector<Page> pages;
    };
    const Plan& PlanFor(const PageGeometry& geometry) const;
    Plan MakePlan(const PageGeometry& geometry) const;
    int HeaderHeight() const;
    void DrawHeader(Canvas& canvas, int left, int width) const;

    WarrantyCard m_card;
    QImage m_head;
    std::function<bool()> m_economyMode;
    mutable std::optional<Plan> m_plan;
};
