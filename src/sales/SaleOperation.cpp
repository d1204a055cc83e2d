#include "sales/SaleOperation.h"

namespace SaleOps {

SaleFamily FamilyOf(SaleOp op) {
    switch (op) {
    case SaleOp::GoodsNote:
        return SaleFamily::GoodsNotes;
    case SaleOp::Proforma:
        return SaleFamily::Proformas;
    default:
        return SaleFamily::Invoices;
    }
}

int DocTypeOf(SaleOp op) {
    return op == SaleOp::DebitNote ? 1 : op == SaleOp::CreditNote ? 2 : 0;
}

bool MovesStock(SaleOp op) {
    return op == SaleOp::GoodsNote || op == SaleOp::InvoiceWithNote || op == SaleOp::FreeTextInvoice ||
           op == SaleOp::DebitNote || op == SaleOp::CreditNote;
}

bool ChecksStock(SaleOp op) {
    return MovesStock(op) || op == SaleOp::InvoiceForProforma;
}

bool InvoicesEarlier(SaleOp op) {
    return op == SaleOp::InvoiceForNote || op == SaleOp::InvoiceForProforma ||
           op == SaleOp::CollectiveInvoice;
}

bool WritesGoodsNoteBeside(SaleOp op) {
    return op == SaleOp::InvoiceWithNote || op == SaleOp::FreeTextInvoice || op == SaleOp::DebitNote ||
           op == SaleOp::CreditNote;
}

bool MayAddLines(SaleOp op) {
    return !InvoicesEarlier(op);
}

bool MayChangeLines(SaleOp op) {
    return !InvoicesEarlier(op);
}

bool OffersFreeText(SaleOp op) {
    return op == SaleOp::FreeTextInvoice || op == SaleOp::DebitNote || op == SaleOp::CreditNote;
}

QString Caption(SaleOp op, bool isNew, const QString& invoiceNumber, const QString& invoiceDate) {
    switch (op) {
    case SaleOp::GoodsNote:
        return "ДОКУМЕНТ: СТОКОВА РАЗПИСКА";
    case SaleOp::InvoiceWithNote:
        return isNew ? QString("ДОКУМЕНТ: ФАКТУРА + СТ. РАЗПИСКА") : QString("ДОКУМЕНТ: ФАКТУРА");
    case SaleOp::Proforma:
        return "ДОКУМЕНТ: ФАКТУРА - ПРОФОРМА";
    case SaleOp::DebitNote:
        return QString::asprintf("ДОКУМЕНТ: ДЕБИТНО ИЗВЕСТИЕ КЪМ Ф-РА № %s / %s",
                                 invoiceNumber.toUtf8().constData(), invoiceDate.toUtf8().constData());
    case SaleOp::CreditNote:
        return QString::asprintf("ДОКУМЕНТ: КРЕДИТНО ИЗВЕСТИЕ КЪМ Ф-РА № %s / %s",
                                 invoiceNumber.toUtf8().constData(), invoiceDate.toUtf8().constData());
    default:
        return "ДОКУМЕНТ: ФАКТУРА";
    }
}

} // namespace SaleOps
