#pragma once

// The kinds of stored documents "избор на документ" lists, the forms load,
// the deletion and the period closing remove. The numbers are kept: the
// list's column widths are remembered under them.
enum class DocumentKind {
    Deliveries = 0,
    GoodsNotes = 1,
    GoodsNotesNotInvoiced = 2,
    Invoices = 3,
    Proformas = 4,
    Offers = 5,
    Stocktakings = 6,
    Production = 7,
    Requests = 8,
    CustomerLinesNotInvoiced = 9,
    WarrantyCards = 11,
    DebitNotes = 12,
    CreditNotes = 13,
    CashOperations = 14,
    // The materials the sales took from the stock (`soldmat`), removed by
    // period like a kind of document.
    ConsumedMaterials = 15,
};
