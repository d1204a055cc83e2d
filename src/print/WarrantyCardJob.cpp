#include "print/WarrantyCardJob.h"

#include "format/DocNumber.h"
#include "format/SqlDates.h"
#include "print/CellText.h"
#include "print/DocumentLayout.h"
#include "print/MeasuringCanvas.h"

using namespace DocumentLayout;

namespace {
std::vector<Column> cardColumns() {
    // The serial number and the remark get the room: they are the point of the card.
    std::vector<Column> columns{{"№", 70, Qt::AlignRight},
                                {"код", 200, Qt::AlignLeft},
                                {"наименование", 540, Qt::AlignLeft},
                                {"мярка", 150, Qt::AlignHCenter},
                                {"к-во", 110, Qt::AlignRight},
                                {"сериен номер", 360, Qt::AlignLeft},
                                {"гар. (мес.)", 180, Qt::AlignHCenter},
                                {"забележка", 290, Qt::AlignLeft}};
    PlaceColumns(columns);
    return columns;
}

const int kLine = LineHeight(PageFrame::kTextFont);
// Later pages start under their page line.
const int kLaterTop = 6 * kLine;
} // namespace

WarrantyCardJob::WarrantyCardJob(WarrantyCard card, QImage head, std::function<bool()> economyMode)
    : m_card(std::move(card)), m_head(std::move(head)), m_economyMode(std::move(economyMode)) {}

int WarrantyCardJob::HeaderHeight() const {
    const int l = kLine;
    return PageFrame::kMargin + (m_head.isNull() ? 0 : kHeadHeight + l / 2) + 2 * l + l + l / 2 + 4 * l + l / 2;
}

const WarrantyCardJob::Plan& WarrantyCardJob::PlanFor(const PageGeometry& geometry) const {
    if (!m_plan || m_plan->width != geometry.width || m_plan->height != geometry.height)
        m_plan = MakePlan(geometry);
    return *m_plan;
}

WarrantyCardJob::Plan WarrantyCardJob::MakePlan(const PageGeometry& geometry) const {
    const int l = kLine;
    const PrintFont& font = PageFrame::kTextFont;
    Plan plan;
    plan.width = geometry.width;
    plan.height = geometry.height;
    MeasuringCanvas measure;
    const std::vector<Column> columns = cardColumns();
    const auto wrapped = [&](const QString& text, size_t column) {
        return WrappedCell(measure, text, columns[column].width, font);
    };
    for (size_t row = 0; row < m_card.lines.size(); ++row) {
        const WarrantyLine& line = m_card.lines[row];
        plan.cells.push_back({QString::number(row + 1), wrapped(line.code, 1), wrapped(line.name, 2), line.units,
                              QString::number(line.quantity), wrapped(line.serial, 5),
                              QString::number(line.months), wrapped(line.notes, 7)});
    }
    const int width = geometry.width - 2 * PageFrame::kMargin;
    if (!m_card.conditions.isEmpty()) {
        measure.SetFont(font);
        plan.conditions = WrapWhole(measure, m_card.conditions, width);
    }

    // A part goes on while it stays above the footer, which comes a line
    // under the last part of a page.
    const int bottom = geometry.height - PageFrame::kMargin - PageFrame::kFooterHeight - l;
    plan.pages.push_back({});
    int y = HeaderHeight();
    const auto fits = [&](int height) { return y + height <= bottom || y == kLaterTop; };
    const auto newPage = [&] {
        plan.pages.back().end = y;
        plan.pages.push_back({});
        y = kLaterTop;
    };
    const auto placeConditions = [&] {
        for (int k = 0; k < plan.conditions.size(); ++k) {
            if (!fits(l))
                newPage();
            Page& page = plan.pages.back();
            if (page.conditions++ == 0) {
                page.firstCondition = k;
                page.conditionsTop = y;
            }
            y += l;
        }
        if (!plan.conditions.isEmpty())
            y += l / 2;
    };
    if (m_card.placement == WarrantyCard::AboveTable)
        placeConditions();
    for (int row = 0; row < static_cast<int>(plan.cells.size()); ++row) {
        const int height = l * RowLineCount(plan.cells[static_cast<size_t>(row)]);
        if (!fits((plan.pages.back().rows == 0 ? l : 0) + height))
            newPage();
        Page& page = plan.pages.back();
        if (page.rows++ == 0) {
            page.firstRow = row;
            page.tableTop = y;
            y += l; // the header row
        }
        y += height;
    }
    if (!plan.cells.empty())
        y += l / 2;
    if (m_card.placement == WarrantyCard::BelowTable)
        placeConditions();
    // The signatures keep half a line from what stands above them and end
    // with the footer inside the margin.
    y += l / 2;
    if (y + (1 + kSignatureRows) * l + PageFrame::kFooterHeight > geometry.height - PageFrame::kMargin &&
        y != kLaterTop + l / 2)
        newPage();
    plan.pages.back().signatures = true;
    plan.pages.back().end = y;
    return plan;
}

int WarrantyCardJob::PageCount(const PageGeometry& geometry) const {
    return static_cast<int>(PlanFor(geometry).pages.size());
}

void WarrantyCardJob::DrawHeader(Canvas& canvas, int left, int width) const {
    const int l = kLine;
    int y = PageFrame::kMargin;
    if (!m_head.isNull()) {
        canvas.DrawImage(QRect(left, y, width, kHeadHeight), m_head);
        y += kHeadHeight + l / 2;
    }
    canvas.SetFont(DocumentLayout::kTitleFont);
    canvas.DrawText(QRect(left, y, width, 2 * l), Qt::AlignHCenter | Qt::AlignVCenter,
                    "ГАРАНЦИОННА КАРТА № " + FormatDocNumber(m_card.number));
    y += 2 * l;
    canvas.SetFont(PageFrame::kTextFont);
    canvas.DrawText(QRect(left, y, width, l), Qt::AlignHCenter, "от дата " + DisplayDate(m_card.date));
    y += l + l / 2;
    const QStringList header{
        "КЛИЕНТ: " + m_card.customerName,
        m_card.baseKind == WarrantyCard::NoBase
            ? QString("КЪМ ДОК. №: -")
            : "КЪМ ДОК. № " + FormatDocNumber(m_card.baseNumber) +
                  (m_card.baseKind == WarrantyCard::Invoice ? " (фактура)" : " (стокова р-ка)"),
        "ПРИЕЛ: " + m_card.receivedBy, "ГАР. СРОК В МЕСЕЦИ: " + QString::number(m_card.term)};
    for (const QString& text : header) {
        canvas.DrawText(QRect(left, y, width, l), Qt::AlignLeft, ElideAtWord(canvas, text, width));
        y += l;
    }
}

void WarrantyCardJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    const Plan& plan = PlanFor(geometry);
    if (page < 1 || page > static_cast<int>(plan.pages.size()))
        return;
    const Page& part = plan.pages[static_cast<size_t>(page - 1)];
    PageFrame frame(canvas, geometry, m_economyMode && m_economyMode());
    const int l = kLine;
    if (page == 1)
        DrawHeader(canvas, frame.Left(), frame.Width());
    else
        DrawPageLine(
            frame,
            QString("ГАРАНЦИОННА КАРТА № %1 - СТРАНИЦА %2").arg(FormatDocNumber(m_card.number)).arg(page),
            PageFrame::kTextFont);
    canvas.SetFont(PageFrame::kTextFont);
    for (int k = 0; k < part.conditions; ++k)
        canvas.DrawText(QRect(frame.Left(), part.conditionsTop + k * l, frame.Width(), l),
                        Qt::AlignLeft | Qt::AlignVCenter, plan.conditions[part.firstCondition + k]);
    if (part.rows > 0)
        DrawTable(frame, part.tableTop, cardColumns(), part.firstRow, part.rows,
                  [&plan](int row) { return plan.cells[static_cast<size_t>(row)]; }, PageFrame::kTextFont);
    if (!part.signatures) {
        frame.Footer(part.end + l);
        return;
    }
    // The seller's and the customer's signatures close the card.
    DrawSignatures(frame, part.end, l,
                   " ПРЕДАЛ:\n\n ........................................................\n (подпис и печат)",
                   " ПРИЕЛ: " + m_card.receivedBy +
                       "\n\n ........................................................\n (подпис)",
                   kSignatureRows * l, PageFrame::kTextFont);
}

std::optional<MailDocument> WarrantyCardJob::Mail() const {
    return MailDocument{"Гаранционна карта", FormatDocNumber(m_card.number), m_card.date, m_card.customerId};
}
