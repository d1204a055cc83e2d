#include "print/SaleDocumentJob.h"

#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/SqlDates.h"

#include <Qt>

namespace {

// The quantity as printed: three decimals, whole numbers without them.
QString quantityText(double quantity) {
    QString text = QString::asprintf("%.3f ", quantity);
    if (text.endsWith(".000 "))
        text = text.left(text.size() - QString(".000 ").size()) + " ";
    return text;
}

} // namespace

SaleDocumentJob::SaleDocumentJob(SalePrintout printout, SalePrintOptions options)
    : m_doc(std::move(printout)), m_options(std::move(options)) {}

bool SaleDocumentJob::PrintsCodes() const {
    return IsGoodsNote() ? !m_options.stockNotesWithoutCodes : !m_options.invoicesWithoutCodes;
}

PrintFont SaleDocumentJob::BaseFont() const {
    return PrintFont{m_options.pricePrecision > 2 ? 32 : 36, false, false};
}

int SaleDocumentJob::LineHeight() const {
    return DocumentLayout::LineHeight(BaseFont());
}

// Page 1: the title band, the number line and the double rule, the band of
// the place and ground, the two boxes, then the table at T + 8L.
int SaleDocumentJob::TableTop(int page) const {
    const int l = LineHeight();
    const int y1 = PageFrame::kMargin + 4 * l;
    const int boxes = y1 + 2 * l + 40;
    return page == 1 ? boxes + 8 * l : 8 * l;
}

int SaleDocumentJob::TotalsHeight() const {
    if (!PrintsPrices())
        return 0;
    const int rows = 4 + (m_doc.header.discount > 0 ? 1 : 0) + (IsGoodsNote() ? 0 : 2);
    return rows * LineHeight();
}

int SaleDocumentJob::ClosingHeight() const {
    const int l = LineHeight();
    switch (m_doc.op) {
    case SaleOp::CollectiveInvoice:
        return 0;
    case SaleOp::GoodsNote:
        return l + 9 * l;
    default:
        return l + 11 * l;
    }
}

std::vector<DocumentPage> SaleDocumentJob::Pages(const PageGeometry& geometry) const {
    PageMetrics metrics;
    metrics.pageHeight = geometry.height;
    metrics.firstTableTop = TableTop(1);
    metrics.laterTableTop = TableTop(2);
    metrics.rowHeight = LineHeight();
    metrics.totalsHeight = TotalsHeight();
    metrics.closingHeight = ClosingHeight();
    metrics.footerHeight = PageFrame::kFooterHeight;
    return PlanDocumentPages(static_cast<int>(m_doc.lines.size()), metrics);
}

int SaleDocumentJob::PageCount(const PageGeometry& geometry) const {
    return static_cast<int>(Pages(geometry).size());
}

QString SaleDocumentJob::Title() const {
    QString title;
    bool marksOriginal = true;
    switch (m_doc.op) {
    case SaleOp::GoodsNote:
        title = "СТОКОВА РАЗПИСКА";
        marksOriginal = false;
        break;
    case SaleOp::Proforma:
        title = "ФАКТУРА ПРОФОРМА";
        marksOriginal = false;
        break;
    case SaleOp::DebitNote:
        title = "ДЕБИТНО ИЗВЕСТИЕ";
        break;
    case SaleOp::CreditNote:
        title = "КРЕДИТНО ИЗВЕСТИЕ";
        break;
    default:
        title = "ФАКТУРА";
        break;
    }
    return marksOriginal && m_doc.original ? title + " - ОРИГИНАЛ" : title;
}

QString SaleDocumentJob::PageLine(int page) const {
    const QByteArray number = m_doc.numberText.toUtf8();
    const QByteArray date = DisplayDate(m_doc.header.docDate).toUtf8();
    switch (m_doc.op) {
    case SaleOp::GoodsNote:
        return QString::asprintf("СТРАНИЦА %d ОТ СТОКОВА РАЗПИСКА № %s / %s", page, number.constData(),
                                 date.constData());
    case SaleOp::Proforma:
        return QString::asprintf("СТРАНИЦА %d ОТ ПРОФОРМА ФАКТУРА № %s / %s", page, number.constData(),
                                 date.constData());
    case SaleOp::DebitNote:
    case SaleOp::CreditNote:
        return QString();
    default:
        return QString::asprintf("СТРАНИЦА %d ОТ ФАКТУРА № %s / %s", page, number.constData(),
                                 date.constData());
    }
}

std::vector<DocumentLayout::Column> SaleDocumentJob::Columns(int pageWidth) const {
    const int prices = PrintsPrices() ? 200 : 0;
    const int code = PrintsCodes() ? 250 : 0;
    const int name = pageWidth - 1095 + (code ? 0 : 250) + (prices ? 0 : 400);
    const int centre = Qt::AlignHCenter, left = Qt::AlignLeft, right = Qt::AlignRight;
    std::vector<DocumentLayout::Column> columns{
        {"№", 75, centre},          {"код", code, left},  {"наименование", name, left},
        {"мярка", 120, centre},     {"к-во", 150, right}, {"ед. цена", prices, right},
        {"стойност", prices, right}};
    DocumentLayout::PlaceColumns(columns);
    return columns;
}

QStringList SaleDocumentJob::Cells(int row) const {
    const SaleLine& line = m_doc.lines[static_cast<size_t>(row)];
    // A returned line (a credit note's goods note) holds a negative quantity
    // and price; its value is negative as its totals are.
    const double value = SaleLine::ValueOf(line.quantity, line.price);
    return {QString::asprintf("%d", row + 1),
            " " + line.code,
            " " + line.name,
            line.units,
            quantityText(line.quantity),
            FormatNumber(line.price, 2) + " ",
            FormatNumber(line.quantity < 0 && line.price < 0 ? -value : value, 2) + " "};
}

void SaleDocumentJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    const std::vector<DocumentPage> pages = Pages(geometry);
    if (page < 1 || page > static_cast<int>(pages.size()))
        return;
    const DocumentPage& plan = pages[static_cast<size_t>(page - 1)];
    PageFrame frame(canvas, geometry, m_options.economyMode && m_options.economyMode());
    if (page == 1)
        DrawFirstHeader(frame);
    else if (const QString line = PageLine(page); !line.isEmpty())
        DocumentLayout::DrawPageLine(frame, line, BaseFont());
    DocumentLayout::DrawPlannedRows(
        frame, TableTop(page), plan, Columns(geometry.width), [this](int row) { return Cells(row); },
        BaseFont(), [this, &frame](int y) { return DrawTotals(frame, y); },
        [this, &frame](int y) { return DrawClosing(frame, y); });
}

void SaleDocumentJob::DrawFirstHeader(PageFrame& frame) const {
    Canvas& canvas = frame.Draw();
    const int l = LineHeight();
    const int y1 =
        DocumentLayout::DrawTitle(frame, Title(),
                                  QString::asprintf("№ %s, ОТ ДАТА: %s", qUtf8Printable(m_doc.numberText),
                                                    qUtf8Printable(DisplayDate(m_doc.header.docDate))),
                                  BaseFont());

    const SaleHeader& header = m_doc.header;
    const QRect deal(frame.Left(), y1, frame.Width(), 3 * l);
    canvas.DrawText(deal, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    QString::asprintf(" място на сделката: %s, обект: %s\n основание: %s",
                                      qUtf8Printable(header.place), qUtf8Printable(header.object),
                                      qUtf8Printable(header.osnovanie)));
    if (m_doc.op == SaleOp::DebitNote || m_doc.op == SaleOp::CreditNote)
        canvas.DrawText(deal, Qt::AlignRight | Qt::AlignTop,
                        QString::asprintf("към фактура №%s / дата: %s ",
                                          qUtf8Printable(FormatDocNumber(header.toInvoice)),
                                          qUtf8Printable(SqlToDisplayDate(header.toInvoiceDate))));

    const int boxes = y1 + 2 * l + 40;
    const CustomerSnapshot& c = m_doc.customer;
    const FirmSnapshot& f = m_doc.firm;
    auto rows = [](const QStringList& values) {
        const char* const labels[] = {
            " Име: ", " Населено място: ", " Адрес: ", " Ид. №: ", " Ид. № по ЗДДС: ", " М.О.Л: "};
        QStringList texts;
        for (int k = 0; k < 6; ++k)
            texts << labels[k] + values.value(k);
        return texts;
    };
    DocumentLayout::DrawPartyBox(frame, DocumentLayout::LeftBox(frame, boxes, l), "ПОЛУЧАТЕЛ",
                                 rows({c.name, c.city, c.address, c.taxId, c.bulstat, c.mol}), BaseFont());
    DocumentLayout::DrawPartyBox(frame, DocumentLayout::RightBox(frame, boxes, l), "ДОСТАВЧИК",
                                 rows({f.name, f.city, f.address, f.taxId, f.bulstat, f.mol}), BaseFont());
}

std::optional<MailDocument> SaleDocumentJob::Mail() const {
    QString kind = "Фактура";
    if (m_doc.op == SaleOp::GoodsNote)
        kind = "Стокова разписка";
    else if (m_doc.op == SaleOp::Proforma)
        kind = "Проформа фактура";
    else if (m_doc.op == SaleOp::DebitNote)
        kind = "Дебитно известие";
    else if (m_doc.op == SaleOp::CreditNote)
        kind = "Кредитно известие";
    return MailDocument{kind, m_doc.numberText, m_doc.header.docDate, m_doc.header.partnerId};
}
