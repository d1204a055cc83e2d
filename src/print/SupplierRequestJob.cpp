#include "print/SupplierRequestJob.h"

#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/SqlDates.h"

#include <Qt>

namespace {
constexpr int kClosingLines = 8;

const SupplierRequestJob::Texts kBulgarian{
    "ЗАЯВКА",
    "№ %.10d\nОТ ДАТА: %s",
    "СТРАНИЦА %d",
    "ДОСТАВЧИК",
    "ПОЛУЧАТЕЛ",
    "Име: %s\nНаселено място: %s\nАдрес: %s\nИд. №: %s\nИд. № по ЗДДС: %s\nМ.О.Л.: %s",
    "изготвил: %s",
    "превозвач: %s",
    "(подпис)",
    "ЗАБЕЛЕЖКИ:",
    "ВСИЧКО (%s):",
    {"ном. код", "наименование на артикула", "мярка", "к-во", "ед. цена", "общо", "забележки"}};

const SupplierRequestJob::Texts kEnglish{
    "REQUEST",         "No. %.10d\nDATE: %s",
    "PAGE %d",         "SUPPLIER",
    "RECIPIENT",       "Name: %s\nCity: %s\nAddress: %s\nID No.: %s\nVAT No.: %s\nManager: %s",
    "prepared by: %s", "carrier: %s",
    "(signature)",     "NOTES:",
    "TOTAL (%s):",     {"code", "item description", "unit", "qty", "unit price", "amount", "notes"}};

QStringList partyRows(const char* pattern, const RequestParty& p) {
    return QString::asprintf(pattern, qUtf8Printable(p.name), qUtf8Printable(p.city),
                             qUtf8Printable(p.address), qUtf8Printable(p.taxId), qUtf8Printable(p.bulstat),
                             qUtf8Printable(p.mol))
        .split('\n');
}
} // namespace

const SupplierRequestJob::Texts& SupplierRequestJob::TextsOf(int language) {
    return language == 1 ? kEnglish : kBulgarian;
}

SupplierRequestJob::SupplierRequestJob(RequestPrintout printout, std::function<bool()> economyMode)
    : m_doc(std::move(printout)), m_texts(TextsOf(m_doc.language)), m_economyMode(std::move(economyMode)) {}

// The title band on every page: 4L shaded with the title, the number and
// date in two lines (both inside the band) and the page on the right, the
// double rule under them.
int SupplierRequestJob::DrawHeader(PageFrame& frame, int page) const {
    Canvas& canvas = frame.Draw();
    const int l = LineHeight();
    const int top = PageFrame::kMargin;
    const QRect band(frame.Left(), top, frame.Width(), 4 * l);
    frame.Shade(band);
    canvas.SetFont(DocumentLayout::kTitleFont);
    canvas.DrawText(QRect(band.left(), band.top(), band.width(), 3 * l), Qt::AlignHCenter | Qt::AlignTop,
                    m_texts.title);
    canvas.SetFont(BaseFont());
    const QRect numbers(frame.Left(), top + 2 * l, frame.Width(), 2 * l);
    // The number and the date on two lines, as the format has them.
    canvas.DrawText(numbers, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                    QString::asprintf(m_texts.numberAndDate, m_doc.request.number,
                                      qUtf8Printable(DisplayDate(m_doc.request.date))));
    canvas.DrawText(QRect(frame.Left(), top + 2 * l, frame.Width() - 20, l), Qt::AlignRight | Qt::AlignTop,
                    QString::asprintf(m_texts.page, page));
    const int y1 = top + 4 * l + l / 2;
    frame.DoubleRule(y1 - BaseFont().height / 2, y1 - BaseFont().height / 3);
    if (page != 1)
        return y1 + l / 2;
    const int boxes = y1 + l / 2;
    DocumentLayout::DrawPartyBox(frame, DocumentLayout::LeftBox(frame, boxes, l), m_texts.supplier,
                                 partyRows(m_texts.party, m_doc.supplier), BaseFont());
    DocumentLayout::DrawPartyBox(frame, DocumentLayout::RightBox(frame, boxes, l), m_texts.recipient,
                                 partyRows(m_texts.party, m_doc.firm), BaseFont());
    return boxes + 8 * l;
}

std::vector<DocumentPage> SupplierRequestJob::Pages(const PageGeometry& geometry) const {
    const int l = LineHeight();
    const int y1 = PageFrame::kMargin + 4 * l + l / 2;
    PageMetrics metrics;
    metrics.pageHeight = geometry.height;
    metrics.firstTableTop = y1 + l / 2 + 8 * l;
    metrics.laterTableTop = y1 + l / 2;
    metrics.rowHeight = l;
    metrics.totalsHeight = m_doc.request.hasPrices ? l : 0;
    metrics.closingHeight = (1 + kClosingLines) * l;
    metrics.footerHeight = PageFrame::kFooterHeight;
    return PlanDocumentPages(static_cast<int>(m_doc.request.lines.size()), metrics);
}

int SupplierRequestJob::PageCount(const PageGeometry& geometry) const {
    return static_cast<int>(Pages(geometry).size());
}

std::vector<DocumentLayout::Column> SupplierRequestJob::Columns(int pageWidth) const {
    const int price = m_doc.request.hasPrices ? 200 : 0;
    const int name = pageWidth - 2 * PageFrame::kMargin - 250 - 120 - 170 - 2 * price - 330;
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    const auto* t = m_texts.columns;
    std::vector<DocumentLayout::Column> columns{
        {t[0], 250, left},    {t[1], name, left},   {t[2], 120, centre}, {t[3], 170, right},
        {t[4], price, right}, {t[5], price, right}, {t[6], 330, left}};
    DocumentLayout::PlaceColumns(columns);
    return columns;
}

// The code the supplier knows the item by, when the request gives it.
QStringList SupplierRequestJob::Cells(int row) const {
    const RequestLine& line = m_doc.request.lines[static_cast<size_t>(row)];
    return {" " + (line.supplierCode.isEmpty() ? line.code : line.supplierCode),
            " " + line.name,
            line.units,
            FormatNumber(line.quantity, 2) + " ",
            FormatNumber(line.price, 2) + " ",
            FormatNumber(line.value, 2) + " ",
            " " + line.notes};
}

int SupplierRequestJob::DrawClosing(PageFrame& frame, int y) const {
    const int l = LineHeight();
    Canvas& canvas = frame.Draw();
    canvas.SetFont(BaseFont());
    canvas.DrawText(QRect(frame.Left() + 2, y + l / 2, frame.Width() - 4, 2 * l),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    QString(m_texts.notes) + ' ' + m_doc.request.notes);
    const QString line = "\n\n........................................................................\n";
    return DocumentLayout::DrawSignatures(
        frame, y + 2 * l, l,
        QString::asprintf(m_texts.preparedBy, qUtf8Printable(m_doc.request.preparedBy)) + line +
            m_texts.signature,
        QString::asprintf(m_texts.carrier, qUtf8Printable(m_doc.request.carrier)) + line + m_texts.signature,
        (kClosingLines - 3) * l, BaseFont());
}

void SupplierRequestJob::DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) {
    const std::vector<DocumentPage> pages = Pages(geometry);
    if (page < 1 || page > static_cast<int>(pages.size()))
        return;
    PageFrame frame(canvas, geometry, m_economyMode && m_economyMode());
    const int top = DrawHeader(frame, page);
    const std::vector<DocumentLayout::Column> columns = Columns(geometry.width);
    DocumentLayout::DrawPlannedRows(
        frame, top, pages[static_cast<size_t>(page - 1)], columns, [this](int row) { return Cells(row); },
        BaseFont(),
        [this, &frame, &columns](int y) {
            return DocumentLayout::DrawTotalRow(
                frame, y, columns[2].left, columns[5],
                QString::asprintf(m_texts.total, qUtf8Printable(m_doc.request.currency)),
                FormatNumber(m_doc.request.Total(), 2) + " ", BaseFont());
        },
        [this, &frame](int y) { return DrawClosing(frame, y); });
}

std::optional<MailDocument> SupplierRequestJob::Mail() const {
    return MailDocument{"Заявка", FormatDocNumber(m_doc.request.number), m_doc.request.date,
                        m_doc.request.partnerId};
}
