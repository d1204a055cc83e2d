#include "print/WarrantyCardJob.h"

#include "format/DocNumber.h"
#include "format/SqlDates.h"
#include "print/DocumentLayout.h"

#include <algorithm>

using namespace DocumentLayout;

namespace {
std::vector<Column> cardColumns() {
    std::vector<Column> columns{{"№", 80, Qt::AlignRight},
                                {"код", 240, Qt::AlignLeft},
                                {"наименование", 620, Qt::AlignLeft},
                                {"мярка", 120, Qt::AlignHCenter},
                                {"к-во", 120, Qt::AlignRight},
                                {"сериен номер", 330, Qt::AlignLeft},
                                {"гар. (мес.)", 190, Qt::AlignHCenter},
                                {"забележка", 200, Qt::AlignLeft}};
    PlaceColumns(columns);
    return columns;
}
} // namespace

WarrantyCardJob::WarrantyCardJob(WarrantyCard card, QImage head, std::function<bool()> economyMode)
    : m_card(std::move(card)), m_head(std::move(head)), m_economyMode(std::move(economyMode)) {}

std::pair<int, int> WarrantyCardJob::LinesOf(int page) const {
    const int total = static_cast<int>(m_card.lines.size());
    if (page == 1)
        return {0, std::min(total, kFirstPageRows)};
    const int first = kFirstPageRows + (page - 2) * kLaterPageRows;
    return {first, std::clamp(total - first, 0, kLaterPageRows)};
}

int WarrantyCardJob::PageCount(const PageGeometry&) const {
    const int total = static_cast<int>(m_card.lines.size());
    int pages = 1;
    int room = kFirstPageRows;
    int placed = std::min(total, room);
    while (placed < total) {
        ++pages;
        room = kLaterPageRows;
        placed += std::min(total - placed, room);
    }
    // Conditions below the table need room on the last page.
    const int lastRows = LinesOf(pages).second;
    const int lastRoom = pages == 1 ? kFirstPageRows : kLaterPageRows;
    if (m_card.placement == WarrantyCard::BelowTable && !m_card.conditions.isEmpty() &&
        lastRows + kConditionRows > lastRoom)
        ++pages;
    return pages;
}

int WarrantyCardJob::DrawConditions(Canvas& canvas, int left, int width, int y) const {
    if (m_card.conditions.isEmpty())
        return y;
    canvas.SetFont(PageFrame::kTextFont);
    // As many lines as the wrapped paragraphs take, at most the rows kept for them.
    int lines = 0;
    for (const QString& paragraph : m_card.conditions.split('\n'))
        lines += std::max(1, (canvas.TextWidth(paragraph) + width - 1) / std::max(1, width));
    const int height = std::min(lines, kConditionRows) * LineHeight(PageFrame::kTextFont);
    canvas.DrawText(QRect(left, y, width, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    m_card.conditions);
    return y + height;
}

void WarrantyCardJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    PageFrame frame(canvas, geometry, m_economyMode && m_economyMode());
    const int l = LineHeight(PageFrame::kTextFont);
    const int left = frame.Left();
    const int width = frame.Width();
    int y = PageFrame::kMargin;
    const std::vector<Column> columns = cardColumns();
    const auto cells = [this](int row) {
        const WarrantyLine& line = m_card.lines[static_cast<size_t>(row)];
        // A space keeps each text off its cell's frame.
        return QStringList{QString::number(row + 1) + ' ',
                           ' ' + line.code,
                           ' ' + line.name,
                           line.units,
                           QString::number(line.quantity) + ' ',
                           ' ' + line.serial,
                           QString::number(line.months),
                           ' ' + line.notes};
    };
    if (page == 1) {
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
            canvas.DrawText(QRect(left, y, width, l), Qt::AlignLeft, text);
            y += l;
        }
        y += l / 2;
        if (m_card.placement == WarrantyCard::AboveTable)
            y = DrawConditions(canvas, left, width, y) + l / 2;
    } else {
        DrawPageLine(
            frame,
            QString("ГАРАНЦИОННА КАРТА № %1 - СТРАНИЦА %2").arg(FormatDocNumber(m_card.number)).arg(page),
            PageFrame::kTextFont);
        y = 6 * l;
    }
    const auto [first, count] = LinesOf(page);
    if (count > 0)
        y = DrawTable(frame, y, columns, first, count, cells, PageFrame::kTextFont) + l / 2;
    if (page != PageCount(geometry)) {
        frame.Footer(y + l);
        return;
    }
    if (m_card.placement == WarrantyCard::BelowTable)
        y = DrawConditions(canvas, left, width, y);
    // The seller's and the customer's signatures close the card; the rows of
    // a page leave room for them below a full table and the conditions.
    DrawSignatures(frame, y, l,
                   " ПРЕДАЛ:\n\n ........................................................\n (подпис и печат)",
                   " ПРИЕЛ: " + m_card.receivedBy +
                       "\n\n ........................................................\n (подпис)",
                   kSignatureRows * l, PageFrame::kTextFont);
}

std::optional<MailDocument> WarrantyCardJob::Mail() const {
    return MailDocument{"Гаранционна карта", FormatDocNumber(m_card.number), m_card.date, m_card.customerId};
}
