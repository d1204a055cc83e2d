#include "documents/CashLinks.h"

#include "db/WriteTransaction.h"
#include "format/DocNumber.h"
#include "format/SqlDates.h"

namespace CashLinks {

namespace {
// Writes the document's operation, or brings an operation already linked to
// that number and kind up to date: never two for one document.
bool writeOperation(WriteTransaction& t, int opType, int docId, const QDate& date, const QDate& payTo,
                    int partnerId, double amount, bool bank, const QString& basis,
                    const QString& description) {
    if (!t.ExecPrintf(
            "UPDATE cash_register SET doc_dt = ?, pay_to_dt = ?, partner_id = ?, amount = "
            "?, bank_payment = ?, osnovanie = ?, description = ? WHERE based_on_doc_id = "
            "? AND op_type = ? AND based_on_doc_id != '0';",
            DateToSql(date), DateToSql(payTo), partnerId, SqlDecimal{amount, 2}, bank ? 1 : 0, basis, description, docId,
            opType))
        return false;
    return t.ChangedRows() > 0 ||
           t.ExecPrintf(
               "INSERT INTO cash_register (op_type, osnovanie, doc_dt, pay_to_dt, description, partner_id, "
               "amount, based_on_doc_id, bank_payment) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?);",
               opType, basis, DateToSql(date), DateToSql(payTo), description, partnerId, SqlDecimal{amount, 2}, docId,
               bank ? 1 : 0);
}
// A stored document written again: its operation follows its date, due
// date and partner; amounts stay as they are, as the document's do.
bool followDocument(WriteTransaction& t, int opType, int docId, const QDate& date, const QDate& payTo,
                    int partnerId) {
    return t.ExecPrintf("UPDATE cash_register SET doc_dt = ?, pay_to_dt = ?, partner_id = ? WHERE "
                        "based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0';",
                        DateToSql(date), DateToSql(payTo), partnerId, docId, opType);
}
} // namespace

SaleSaveGroup GoodsNoteOperation() {
    return [](WriteTransaction& t, SaleSaveContext& c) {
        if (c.goodsNoteNumber == 0 || c.doc.op == SaleOp::CreditNote)
            return true;
        const SaleHeader& h = c.doc.header;
        if (c.stored)
            return followDocument(t, 0, c.goodsNoteNumber, h.docDate, h.payDate, h.partnerId);
        return writeOperation(t, 0, c.goodsNoteNumber, h.docDate, h.payDate, h.partnerId, c.totals.total,
                              h.payBy == 1, h.osnovanie,
                              "Стокова разписка № " + FormatDocNumber(c.goodsNoteNumber));
    };
}

SaleSaveGroup CreditNoteOperation() {
    return [](WriteTransaction& t, SaleSaveContext& c) {
        const SaleHeader& h = c.doc.header;
        if (c.stored || c.doc.op != SaleOp::CreditNote || h.payBy != 0)
            return true;
        return t.Exec("CREATE TABLE IF NOT EXISTS credit_note_cash (credit_note_id INTEGER PRIMARY KEY, rec_id "
                      "INTEGER NOT NULL);") &&
               DeleteCreditNoteOperation(t, true, c.number) &&
               t.ExecPrintf("INSERT INTO cash_register (op_type, osnovanie, doc_dt, pay_to_dt, description, "
                            "partner_id, amount, based_on_doc_id, bank_payment) VALUES('1', ?, ?, ?, ?, ?, ?, "
                            "'0', '0');",
                            h.osnovanie, DateToSql(h.docDate), DateToSql(h.payDate),
                            "Кредитно известие № " + FormatDocNumber(c.number), h.partnerId, SqlDecimal{c.totals.total, 2}) &&
               t.ExecPrintf("INSERT INTO credit_note_cash (credit_note_id, rec_id) SELECT ?, MAX(rec_id) FROM "
                            "cash_register;",
                            c.number);
    };
}

bool DeleteCreditNoteOperation(WriteTransaction& t, bool linksExist, int number) {
    if (!linksExist)
        return true;
    return t.ExecPrintf("DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM credit_note_cash WHERE "
                        "credit_note_id = ?);",
                        number) &&
           t.ExecPrintf("DELETE FROM cash_register WHERE rec_id IN (SELECT rec_id FROM credit_note_cash WHERE "
                        "credit_note_id = ?);",
                        number) &&
           t.ExecPrintf("DELETE FROM credit_note_cash WHERE credit_note_id = ?;", number);
}

DeliverySaveGroup DeliveryOperation() {
    return [](WriteTransaction& t, DeliverySaveContext& c) {
        const DeliveryHeader& h = c.doc.header;
        if (c.stored)
            return followDocument(t, 1, c.number, h.docDate, h.payDate, h.partnerId);
        const QString basis = h.invoiceNo.isEmpty() ? QString() : "фактура № " + h.invoiceNo;
        if (!writeOperation(t, 1, c.number, h.docDate, h.payDate, h.partnerId, c.totals.total, false, basis,
                            "Доставка № " + FormatDocNumber(c.number)))
            return false;
        if (!c.markPaid)
            return true;
        // Paid at once: one payment of the whole amount on the due date.
        return t.ExecPrintf(
                   "DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM cash_register WHERE "
                   "based_on_doc_id = ? AND op_type = '1' AND based_on_doc_id != '0');",
                   c.number) &&
               t.ExecPrintf(
                   "INSERT INTO cash_register_cmp SELECT rec_id, NULL, ?, ? FROM cash_register "
                   "WHERE based_on_doc_id = ? AND op_type = '1' AND based_on_doc_id != '0';",
                   DateToSql(h.payDate), SqlDecimal{c.totals.total, 2}, c.number);
    };
}

} // namespace CashLinks
