#include "print/DeliveryReceiptJob.h"

#include "format/FormatNumber.h"
#include "format/SqlDates.h"

#include <Qt>
#include <cmath>

namespace {
constexpr int kTotalRows = 4;
constexpr int kSignatureLines = 9;
} // namespace

DeliveryReceiptJob::DeliveryReceiptJob(DeliveryPrintout printout, std::function<bool()> economyMode)
    : m_doc(std::move(printout)), m_economyMode(std::move(economyMode)) {}

// Page 1: the title band and number line, a gap of L, the two boxes 7L
// high, a gap of L, then the table; later pages start it under their page line.
int DeliveryReceiptJob::TableTop(int page) {
    const int l = LineHeight();
    const int y1 = PageFrame::kMargin + 4 * l;
    return page == 1 ? y1 + l + 8 * l : 8 * l;
}

std::vector<DocumentPage> DeliveryReceiptJob::Pages(const PageGeometry& geometry) const {
    PageMetrics metrics;
    metrics.pageHeight = geometry.height;
    metrics.firstTableTop = TableTop(1);
    metrics.laterTableTop = TableTop(2);
    metrics.rowHeight = LineHeight();
    metrics.totalsHeight = kTotalRows * LineHeight();
    metrics.closingHeight = (1 + kSignatureLines) * LineHeight();
    metrics.footerHeight = PageFrame::kFooterHeight;
    return PlanDocumentPages(static_cast<int>(m_doc.doc.lines.size()), metrics);
}

int DeliveryReceiptJob::PageCount(const PageGeometry& geometry) const {
    return static_cast<int>(Pages(geometry).size());
}

std::vector<DocumentLayout::Column> DeliveryReceiptJob::Columns(int pageWidth) const {
    const int vat = m_doc.doc.ChargesVat() ? 180 : 0;
    const int name = pageWidth - 2 * PageFrame::kMargin - 250 - 120 - 180 - 200 - 200 - vat;
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<DocumentLayout::Column> columns{
        {"код", 250, left},       {"наименование", name, left}, {"мярка", 120, centre}, {"к-во", 180, right},
        {"ед. цена", 200, right}, {"стойност", 200, right},     {"ДДС", vat, right}};
    DocumentLayout::PlaceColumns(columns);
    return columns;
}

QStringList DeliveryReceiptJob::Cells(int row) const {
    const DeliveryLine& line = m_doc.doc.lines[static_cast<size_t>(row)];
    return {" " + line.code,
            " " + line.name,
            line.units,
            QString::asprintf("%.3f ", line.quantity),
            FormatNumber(line.price, 2) + " ",
            FormatNumber(line.value, 2) + " ",
            FormatNumber(Deliveries::LineVat(m_doc.doc, line), 2) + " "};
}

void DeliveryReceiptJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    const std::vector<DocumentPage> pages = Pages(geometry);
    if (page < 1 || page > static_cast<int>(pages.size()))
        return;
    const DocumentPage& plan = pages[static_cast<size_t>(page - 1)];
    PageFrame frame(canvas, geometry, m_economyMode && m_economyMode());
    if (page == 1)
        DrawFirstHeader(frame);
    else
        DocumentLayout::DrawPageLine(frame,
                                     QString::asprintf("СТРАНИЦА %d ОТ СКЛАДОВА РАЗПИСКА № %s / %s", page,
                                                       qUtf8Printable(m_doc.numberText),
                                                       qUtf8Printable(DisplayDate(m_doc.doc.header.docDate))),
                                     BaseFont());
    DocumentLayout::DrawPlannedRows(
        frame, TableTop(page), plan, Columns(geometry.width), [this](int row) { return Cells(row); },
        BaseFont(), [this, &frame](int y) { return DrawTotals(frame, y); },
        [this, &frame](int y) { return DrawClosing(frame, y); });
}

void DeliveryReceiptJob::DrawFirstHeader(PageFrame& frame) const {
    const int l = LineHeight();
    const int y1 =
        DocumentLayout::DrawTitle(frame, "СКЛАДОВА РАЗПИСКА",
                                  QString::asprintf("НОМЕР: %s, ДАТА: %s", qUtf8Printable(m_doc.numberText),
                                                    qUtf8Printable(DisplayDate(m_doc.doc.header.docDate))),
                                  BaseFont());
    auto rows = [](const QStringList& values) {
        const char* const labels[] = {
            " Фирма: ", " Населено място: ", " Адрес: ", " Ид. № ", " Ид. № по ЗДДС: ", " М.О.Л: "};
        QStringList texts;
        for (int k = 0; k < 6; ++k)
            texts << labels[k] + values.value(k);
        return texts;
    };
    const SupplierSnapshot& s = m_doc.doc.supplier;
    const FirmSnapshot& f = m_doc.doc.firm;
    const int boxes = y1 + l;
    DocumentLayout::DrawPartyBox(frame, DocumentLayout::LeftBox(frame, boxes, l), "ДОСТАВЧИК",
                                 rows({s.name, s.city, s.address, s.taxId, s.bulstat, s.mol}), BaseFont());
    DocumentLayout::DrawPartyBox(frame, DocumentLayout::RightBox(frame, boxes, l), "ПОЛУЧАТЕЛ",
                                 rows({f.name, f.city, f.address, f.taxId, f.bulstat, f.mol}), BaseFont());
}

// The totals from the units column to the value column; the VAT column,
// when printed, stays empty beside them.
int DeliveryReceiptJob::DrawTotals(PageFrame& frame, int y) const {
    const std::vector<DocumentLayout::Column> columns = Columns(frame.Width() + 2 * PageFrame::kMargin);
    const int labelLeft = columns[2].left;
    const DocumentLayout::Column& value = columns[5];
    const DeliveryTotals& t = m_doc.totals;
    auto row = [&](const QString& label, double figure) {
        y = DocumentLayout::DrawTotalRow(frame, y, labelLeft, value, label, FormatNumber(figure, 2) + " ",
                                         BaseFont());
    };
    row("СУМА ", t.allSum);
    const double discount = m_doc.doc.header.discount;
    row(discount == std::round(discount) ? QString::asprintf("- T.O. %.f%% ", discount)
                                         : "- T.O. " + FormatRate(discount) + "% ",
        t.discountSum);
    row(QString::asprintf(" ДДС %.f%% ", m_doc.doc.firm.vatRate), t.vat);
    row("ВСИЧКО ", t.total);
    return y;
}

int DeliveryReceiptJob::DrawClosing(PageFrame& frame, int y) const {
    const int l = LineHeight();
    const DeliveryHeader& h = m_doc.doc.header;
    return DocumentLayout::DrawSignatures(
        frame, y, l,
        QString::asprintf(" Стоките са получени на: %s\n От: %s\n\n "
                          "........................................................................\n "
                          "(подпис на получателя)\n\n Прот. за несъотв. № ........ / "
                          "..........................\n (попълва се при необходимост)",
                          qUtf8Printable(DisplayDate(h.docDate)), qUtf8Printable(h.receivedBy)),
        QString::asprintf(" Стоките са предадени от: %s\n\n "
                          "........................................................................\n "
                          "(подпис на предаващия)\n превозвач: \n\n "
                          "........................................................................\n "
                          "(подпис)",
                          qUtf8Printable(h.givenBy)),
        kSignatureLines * l, BaseFont());
}

std::optional<MailDocument> DeliveryReceiptJob::Mail() const {
    return MailDocument{"Складова разписка", m_doc.numberText, m_doc.doc.header.docDate,
                        m_doc.doc.header.partnerId};
}
