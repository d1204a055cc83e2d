#pragma once

#include <QString>

// The sale operation code: what a save of the sale form writes.
enum class SaleOp {
    GoodsNote = 1,          // goods note; stock decreases
    InvoiceWithNote = 2,    // invoice and a goods note; stock decreases
    FreeTextInvoice = 4,    // invoice with free-text lines, and a goods note
    Proforma = 5,           // pro-forma invoice; no stock movement
    InvoiceForNote = 7,     // invoice for a goods note issued earlier
    InvoiceForProforma = 8, // invoice for a pro-forma issued earlier
    CollectiveInvoice = 9,  // one invoice for several goods notes
    DebitNote = 10,         // debit note to an invoice, and a goods note
    CreditNote = 11,        // credit note to an invoice, and a goods note with negated amounts
};

// The table family a document of the operation is numbered in.
enum class SaleFamily { GoodsNotes, Invoices, Proformas };

namespace SaleOps {
SaleFamily FamilyOf(SaleOp op);
// The `doc_type` of the invoice and goods-note rows: 0, 1 debit, 2 credit.
int DocTypeOf(SaleOp op);
// The operations whose goods note lowers (or, for a credit note, raises) stock.
bool MovesStock(SaleOp op);
// The operations whose save checks that the stock suffices: those that move
// it, and the invoice for a pro-forma, whose goods leave without a goods note.
bool ChecksStock(SaleOp op);
// The invoices for goods notes or a pro-forma issued earlier (7, 8, 9).
bool InvoicesEarlier(SaleOp op);
// The operations that write a goods note beside the invoice.
bool WritesGoodsNoteBeside(SaleOp op);
// Lines may be added, changed and deleted (on a new document).
bool MayAddLines(SaleOp op);
bool MayChangeLines(SaleOp op);
// Codes 4, 10 and 11 offer free-text lines beside the catalogue.
bool OffersFreeText(SaleOp op);
// The caption of the document area; number and date of the referenced
// invoice for notes; a stored invoice of code 2 reads "ФАКТУРА".
QString Caption(SaleOp op, bool isNew, const QString& invoiceNumber, const QString& invoiceDate);
} // namespace SaleOps
