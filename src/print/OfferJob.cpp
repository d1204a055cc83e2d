#include "print/OfferJob.h"

#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/SqlDates.h"
#include "print/CellText.h"
#include "print/MeasuringCanvas.h"

#include <Qt>

namespace {
constexpr int kTotalRows = 4;
constexpr int kClosingLines = 9;
} // namespace

OfferJob::OfferJob(Offer offer, double vatRate, std::function<bool()> economyMode)
    : m_offer(std::move(offer)), m_vatRate(vatRate), m_totals(ComputeOfferTotals(m_offer, vatRate)),
      m_economyMode(std::move(economyMode)) {}

// The heading band and the addressee under it; the y where the table starts.
int OfferJob::DrawHeader(PageFrame& frame) const {
    const int l = LineHeight();
    const QStringList heading = (QString("О Ф Е Р Т А") + "\nза: " + m_offer.subtitle).split('\n');
    // The title band alone; the subtitle, however long, wraps over the two
    // lines under the title above the rule.
    const int y1 = DocumentLayout::DrawTitle(frame, heading.value(0), QString(), BaseFont());
    Canvas& canvas = frame.Draw();
    const int y0 = PageFrame::kMargin + 2 * l;
    DrawWrappedText(canvas, QRect(frame.Left(), y0, frame.Width(), y1 - BaseFont().height / 2 - y0),
                    Qt::AlignHCenter | Qt::AlignTop, heading.value(1), BaseFont());
    canvas.SetFont(BaseFont());
    canvas.DrawText(QRect(frame.Left(), y1, frame.Width(), l), Qt::AlignRight | Qt::AlignVCenter,
                    "№ " + FormatDocNumber(m_offer.number));
    DrawWrappedText(canvas, QRect(frame.Left(), y1 + l, frame.Width() - 20, 2 * l), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::asprintf("На вниманието на %s", qUtf8Printable(m_offer.toPerson)), BaseFont());
    return y1 + 3 * l;
}

std::vector<DocumentPage> OfferJob::Pages(const PageGeometry& geometry) const {
    const int l = LineHeight();
    PageMetrics metrics;
    metrics.pageHeight = geometry.height;
    metrics.firstTableTop = PageFrame::kMargin + 4 * l + 3 * l;
    metrics.laterTableTop = 8 * l;
    metrics.rowHeight = l;
    metrics.totalsHeight = kTotalRows * l;
    metrics.closingHeight = kClosingLines * l;
    metrics.footerHeight = PageFrame::kFooterHeight;
    for (const QString& name : WrappedNames(geometry.width))
        metrics.rowLines.push_back(static_cast<int>(name.count('\n')) + 1);
    return PlanDocumentPages(static_cast<int>(m_offer.lines.size()), metrics);
}

int OfferJob::PageCount(const PageGeometry& geometry) const {
    return static_cast<int>(Pages(geometry).size());
}

std::vector<DocumentLayout::Column> OfferJob::Columns(int pageWidth) const {
    const int name = pageWidth - 2 * PageFrame::kMargin - 150 - 230 - 260 - 260;
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<DocumentLayout::Column> columns{{"наименование", name, left},
                                                {"мярка", 150, centre},
                                                {"количество", 230, right},
                                                {"ед. цена", 260, right},
                                                {"стойност", 260, right}};
    DocumentLayout::PlaceColumns(columns);
    return columns;
}

QStringList OfferJob::WrappedNames(int pageWidth) const {
    MeasuringCanvas measure;
    const int width = Columns(pageWidth)[0].width;
    QStringList names;
    for (const OfferLine& line : m_offer.lines)
        names << DocumentLayout::WrappedCell(measure, line.name, width, BaseFont());
    return names;
}

QStringList OfferJob::Cells(int row, const QStringList& names) const {
    const OfferLine& line = m_offer.lines[static_cast<size_t>(row)];
    return {names.value(row), line.units, FormatNumber(line.quantity, 2) + " ",
            FormatNumber(line.price, 2) + " ", FormatNumber(line.Value(), 2) + " "};
}

int OfferJob::DrawTotals(PageFrame& frame, int y, const std::vector<DocumentLayout::Column>& columns) const {
    const int labelLeft = columns[2].left;
    const DocumentLayout::Column& value = columns[4];
    const auto row = [&](const QString& label, double figure) {
        y = DocumentLayout::DrawTotalRow(frame, y, labelLeft, value, ' ' + label,
                                         FormatNumber(figure, 2) + " ", BaseFont());
    };
    row("СУМА:", m_totals.sum);
    row(OfferDiscountLabel(m_offer.discount), m_totals.discount);
    row(QString::asprintf("ДДС %.f%%:", m_offer.vatUsed ? m_vatRate : 0.0), m_totals.vat);
    row("ВСИЧКО:", m_totals.total);
    return y;
}

int OfferJob::DrawClosing(PageFrame& frame, int y) const {
    const int l = LineHeight();
    Canvas& canvas = frame.Draw();
    canvas.SetFont(BaseFont());
    y += l;
    const QRect box(frame.Left(), y, frame.Width(), (kClosingLines - 2) * l);
    canvas.DrawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    QString::asprintf("Дата на съставяне: %s", qUtf8Printable(DisplayDate(m_offer.date))) +
                        '\n' + "Валидност до: " + m_offer.validity + '\n' + "Забележки: " + m_offer.note +
                        "\n\n" + "С уважение: ......................................\n" + m_offer.signedBy);
    return frame.Footer(box.bottom() + l);
}

void OfferJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    const std::vector<DocumentPage> pages = Pages(geometry);
    if (page < 1 || page > static_cast<int>(pages.size()))
        return;
    PageFrame frame(canvas, geometry, m_economyMode && m_economyMode());
    int top = 0;
    if (page == 1) {
        top = DrawHeader(frame);
    } else {
        DocumentLayout::DrawPageLine(
            frame, QString("ОФЕРТА № %1 - СТРАНИЦА %2").arg(FormatDocNumber(m_offer.number)).arg(page),
            BaseFont());
        top = 8 * LineHeight();
    }
    const std::vector<DocumentLayout::Column> columns = Columns(geometry.width);
    const QStringList names = WrappedNames(geometry.width);
    DocumentLayout::DrawPlannedRows(
        frame, top, pages[static_cast<size_t>(page - 1)], columns,
        [this, &names](int row) { return Cells(row, names); },
        BaseFont(), [this, &frame, &columns](int y) { return DrawTotals(frame, y, columns); },
        [this, &frame](int y) { return DrawClosing(frame, y); });
}

std::optional<MailDocument> OfferJob::Mail() const {
    return MailDocument{"Оферта", FormatDocNumber(m_offer.number), m_offer.date, 0};
}
