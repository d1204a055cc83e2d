#include "stockops/DeliveryCashStep.h"

#include "format/DocNumber.h"
#include "trade/CashRegisterStore.h"

DeliverySaveGroup DeliveryCashStep() {
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
        return !c.markPaid ||
               CashRegisterStore::PayDocumentOperation(t, 1, c.number, h.payDate, c.totals.total);
    };
}
