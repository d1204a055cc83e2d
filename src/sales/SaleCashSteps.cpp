#include "sales/SaleCashSteps.h"

#include "format/DocNumber.h"
#include "trade/CashRegisterStore.h"

namespace SaleCashSteps {

SaleSaveGroup GoodsNoteOperation() {
    return [](WriteTransaction& t, SaleSaveContext& c) {
        if (c.goodsNoteNumber == 0 || c.doc.op == SaleOp::CreditNote)
            return true;
        const SaleHeader& h = c.doc.header;
        if (c.stored)
            return CashRegisterStore::FollowDocument(t, 0, c.goodsNoteNumber, h.docDate, h.payDate,
                                                     h.partnerId);
        return CashRegisterStore::WriteDocumentOperation(
            t, {0, c.goodsNoteNumber, h.docDate, h.payDate, h.partnerId, c.totals.total, h.payBy == 1,
                h.osnovanie, "Стокова разписка № " + FormatDocNumber(c.goodsNoteNumber)});
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

} // namespace SaleCashSteps
