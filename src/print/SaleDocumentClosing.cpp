// The last page of a sale document: the totals under the table, the
// signatures and the framed footer.
#include "format/SqlDates.h"
#include "print/SaleDocumentJob.h"

#include <Qt>

int SaleDocumentJob::DrawTotals(PageFrame& frame, int y) const {
    Canvas& canvas = frame.Draw();
    const int l = LineHeight();
    const std::vector<DocumentLayout::Column> columns = Columns(frame.Width() + 2 * PageFrame::kMargin);
    const DocumentLayout::Column& units = columns[3];
    const DocumentLayout::Column& value = columns[6];
    const int labelLeft = units.left;
    auto row = [&](const QString& label, const QString& figure) {
        y = DocumentLayout::DrawTotalRow(frame, y, labelLeft, value, label, figure + " ", BaseFont());
    };
    // A framed box left of the label cells, in the secondary font.
    auto sideBox = [&](const QRect& box, const QString& text) {
        canvas.DrawRect(box);
        canvas.SetFont(SecondaryFont());
        canvas.DrawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    };

    const SaleHeader& header = m_doc.header;
    row(" Сума", m_doc.sum);
    if (header.discount > 0)
        row(QString::asprintf(" Търговска отстъпка %.2f%%", header.discount), m_doc.discount);
    if (!IsGoodsNote())
        sideBox(QRect(frame.Left(), y, labelLeft - frame.Left(), 2 * l),
                QString::asprintf(" основание за неначисляване на ДДС и при нулева ставка:\n %s",
                                  qUtf8Printable(header.osnovanieVat)));
    row(" Данъчна основа", m_doc.base);
    row(QString::asprintf(" ДДС %.f%%", m_doc.firm.vatRate), m_doc.vat);
    DocumentLayout::DrawFitting(canvas, QRect(frame.Left() + 2, y, labelLeft - frame.Left() - 4, l),
                                Qt::AlignLeft | Qt::AlignVCenter, " словом: " + m_doc.words,
                                SecondaryFont().height);
    row(" Сума за плащане" + m_doc.currencyMark, m_doc.total);
    if (!IsGoodsNote()) {
        sideBox(QRect(frame.Left(), y, frame.Width(), 2 * l),
                QString::asprintf(" обстоятелства, които определят стоката като ново превозно средство:\n %s",
                                  qUtf8Printable(header.newVehicle)));
        y += 2 * l;
    }
    canvas.DrawRect(QRect(frame.Left(), PageFrame::kMargin, frame.Width(), y - PageFrame::kMargin));
    canvas.DrawLine(QPoint(frame.Left(), y), QPoint(frame.Right(), y));
    return y;
}

int SaleDocumentJob::DrawClosing(PageFrame& frame, int y) const {
    if (m_doc.op == SaleOp::CollectiveInvoice)
        return frame.Footer(y);
    const int l = LineHeight();
    const SaleHeader& h = m_doc.header;
    if (IsGoodsNote())
        return DocumentLayout::DrawSignatures(
            frame, y, l,
            QString::asprintf(" Стоките са получени на: %s\n От: %s\n\n "
                              "........................................................................\n "
                              "(подпис на получателя)",
                              qUtf8Printable(DisplayDate(h.recvDate)), qUtf8Printable(h.receivedBy)),
            QString::asprintf(" Предадено от: %s\n\n "
                              "........................................................................\n "
                              "(подпис на предаващия)\n превозвач: \n\n "
                              "........................................................................\n "
                              "(подпис)",
                              qUtf8Printable(h.givenBy)),
            9 * l, BaseFont());
    const QByteArray taxEvent = DisplayDate(h.taxEventDate).toUtf8(),
                     payment = DisplayDate(h.payDate).toUtf8();
    return DocumentLayout::DrawSignatures(
        frame, y, l,
        QString::asprintf(" Получил: %s\n ЕГН:\n Пълномощно №\n Лична карта №\n\n "
                          "........................................................................\n "
                          "(подпис на получателя)\n\n "
                          "........................................................................\n "
                          "(отг. за стоп. операция)",
                          qUtf8Printable(h.receivedBy)),
        h.payBy == 1
            ? QString::asprintf(" Дата на данъчното събитие: %s\n Дата на плащане: %s\n Плащане: с платежно "
                                "нареждане\n Банка: %s\n BIC: %s\n IBAN %s\n\n Съставил: %s\n\n "
                                "........................................................................\n "
                                "(подпис на лицето)",
                                taxEvent.constData(), payment.constData(), qUtf8Printable(m_doc.bank.name),
                                qUtf8Printable(m_doc.bank.code), qUtf8Printable(m_doc.bank.account),
                                qUtf8Printable(h.compiledBy))
            : QString::asprintf(
                  " Дата на данъчното събитие: %s\n Дата на плащане: %s\n Плащане: в брой\n\n\n\n "
                  "съставил: %s\n\n\n "
                  "........................................................................\n "
                  "(подпис на лицето)",
                  taxEvent.constData(), payment.constData(), qUtf8Printable(h.compiledBy)),
        11 * l, SecondaryFont());
}
