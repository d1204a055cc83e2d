#include "documents/CashLinks.h"

#include "documents/CashRegisterStore.h"
#include "format/DocNumber.h"

namespace CashLinks {

SaleSaveGroup GoodsNoteOperation() {
    return [](WriteTransaction& t, SaleSaveContext& c) {
        if (c.goodsNoteNumber == 0 || c.doc.op == SaleOp::CreditNote)
            return true;
        const SaleHeader& h = c.doc.header;
        if (c.stored)
            return CashRegisterStore::FollowDocument(t, 0, c.goodsNoteNumber, h.docDate, h.payDate, h.partnerId);
        return CashRegisterStore::WriteDocumentOperation(
            t, {0, c.goodsNoteNumber, h.docDate, h.payDate, h.partnerId, c.totals.total, h.payBy == 1, h.osnovanie,
                "Стокова разписка № " + FormatDocNumber(c.goodsNoteNumber)});
    };
}

SaleSaveGroup CreditNoteOperation() {
    return [](WriteTransaction& t, SaleSaveContext& c) {
        const SaleHeader& h = c.doc.header;
        if (c.stored || c.doc.op != SaleOp::CreditNote || h.payBy != 0)
            return true;
        return CashRegisterStore::InsertCreditNoteOperation(
            t, c.number,
            {1, 0, h.docDate, h.payDate, h.partnerId, c.totals.total, false, h.osnovanie,
             "Кредитно известие № " + FormatDocNumber(c.number)});
    };
}

DeliverySaveGroup DeliveryOperation() {
    return [](WriteTransaction& t, DeliverySaveContext& c) {
        const DeliveryHeader& h = c.doc.header;
        if (c.stored)
            return CashRegisterStore::FollowDocument(t, 1, c.number, h.docDate, h.payDate, h.partnerId);
        const QString basis = h.invoiceNo.isEmpty() ? QString() : "фактура № " + h.invoiceNo;
        if (!CashRegisterStore::WriteDocumentOperation(t, {1, c.number, h.docDate, h.payDate, h.partnerId,
                                                           c.totals.total, false, basis,
                                                           "Доставка № " + FormatDocNumber(c.number)}))
            return false;
        // Paid at once: one payment of the whole amount on the due date.
        return !c.markPaid || CashRegisterStore::PayDocumentOperation(t, 1, c.number, h.payDate, c.totals.total);
    };
}

} // namespace CashLinks
