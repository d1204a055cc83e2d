#include "app/DocumentDeletion.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "documents/CashLinks.h"
#include "masterdata/StockLedger.h"
#include "sales/DocumentBrowser.h"
#include "sales/DocumentChooser.h"

namespace {
using StockChange = bool (*)(WriteTransaction&, const QString&, double);

// Moves the stock of every (code, quantity) row of a query.
bool moveStock(Database& db, WriteTransaction& t, StockChange change, const char* query, int number) {
    ResultTable rows;
    if (!db.Query(rows, query, number))
        return false;
    for (int r = 1; r <= rows.Rows(); ++r)
        if (!change(t, rows.Text(r, 0), rows.Double(r, 1)))
            return false;
    return true;
}

// Removes the cash-register operations of a document (op_type 0 for a goods
// note, 1 for a delivery) with the payments of every one of them.
bool deleteCashOperations(WriteTransaction& t, int number, int opType) {
    return t.ExecPrintf(
               "DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM cash_register WHERE "
               "based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0');",
               number, opType) &&
           t.ExecPrintf("DELETE FROM cash_register WHERE based_on_doc_id = ? AND op_type = ? AND "
                        "based_on_doc_id != '0';",
                        number, opType);
}

bool deleteFrom(WriteTransaction& t, std::initializer_list<const char*> tables, int number) {
    for (const char* table : tables)
        if (!t.ExecPrintf("DELETE FROM %s WHERE doc_id = ?;", table, number))
            return false;
    return true;
}

bool deleteDelivery(Database& db, WriteTransaction& t, int number) {
    // The delivered goods leave the stock again, even below zero.
    return deleteFrom(t, {"supplies_main", "supplies_partners", "supplies_firmdata"}, number) &&
           moveStock(db, t, DecreaseStockQuantity,
                     "SELECT item_code, quantity FROM supplies_items WHERE doc_id = ?;", number) &&
           deleteFrom(t, {"supplies_items"}, number) && deleteCashOperations(t, number, 1);
}

bool deleteGoodsNote(Database& db, WriteTransaction& t, int number) {
    // Sold goods return to stock. A product or service sold from its recipe
    // never lowered its own stock: its components come back through soldmat.
    return deleteFrom(t, {"stokovi_main", "stokovi_partners", "stokovi_firmdata"}, number) &&
           moveStock(db, t, IncreaseStockQuantity,
               "SELECT i.item_code, i.quantity FROM stokovi_items i JOIN stocks s ON s.code = i.item_code "
               "WHERE i.doc_id = ? AND s.is_recipe = 0;",
               number) &&
           deleteFrom(t, {"stokovi_items"}, number) && deleteCashOperations(t, number, 0) &&
           moveStock(db, t, IncreaseStockQuantity, "SELECT code, quantity FROM soldmat WHERE doc_id = ?;",
                     number) &&
           deleteFrom(t, {"soldmat"}, number);
}

bool deleteInvoice(WriteTransaction& t, int number) {
    // The goods notes the invoice covered stay, uninvoiced again.
    return deleteFrom(t, {"invoices_main", "invoices_partners", "invoices_firmdata", "invoices_items"},
                      number) &&
           t.ExecPrintf("UPDATE stokovi_main SET invoiced = '0', invoice_id = '0' WHERE invoice_id = ?;",
                        number) &&
           t.ExecPrintf("UPDATE stokovi_items SET invoiced = '0', invoice_id = '0' WHERE invoice_id = ?;",
                        number);
}

bool deleteProduction(Database& db, WriteTransaction& t, int number) {
    // Both directions with the 3 decimals production wrote.
    return moveStock(db, t, IncreaseStockQuantity,
                     "SELECT code, ROUND(SUM(quantity), 3) FROM production_cmp_entries WHERE doc_id = ? "
                     "GROUP BY code;",
                     number) &&
           moveStock(db, t, DecreaseStockQuantity,
               "SELECT code, ROUND(SUM(quantity), 3) FROM production_cmp WHERE doc_id = ? GROUP BY code;",
               number) &&
           deleteFrom(t, {"production", "production_cmp", "production_cmp_entries"}, number);
}
} // namespace

int ChooserKindOf(DeletionKind kind) {
    switch (kind) {
    case DeletionKind::Request:
        return DocumentBrowser::Requests;
    case DeletionKind::Delivery:
        return DocumentBrowser::Deliveries;
    case DeletionKind::Production:
        return DocumentBrowser::Production;
    case DeletionKind::GoodsNote:
        return DocumentBrowser::GoodsNotes;
    case DeletionKind::Invoice:
        return DocumentBrowser::Invoices;
    case DeletionKind::DebitNote:
        return DocumentBrowser::DebitNotes;
    case DeletionKind::CreditNote:
        return DocumentBrowser::CreditNotes;
    case DeletionKind::WarrantyCard:
        return DocumentBrowser::WarrantyCards;
    case DeletionKind::Offer:
        return DocumentBrowser::Offers;
    }
    return DocumentBrowser::GoodsNotes;
}

bool DocumentDeletion::Delete(DeletionKind kind, int number) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    bool deleted = false;
    switch (kind) {
    case DeletionKind::Request:
        deleted = deleteFrom(t, {"requests_main", "requests_items"}, number);
        break;
    case DeletionKind::Delivery:
        deleted = deleteDelivery(m_db, t, number);
        break;
    case DeletionKind::Production:
        deleted = deleteProduction(m_db, t, number);
        break;
    case DeletionKind::GoodsNote:
        deleted = deleteGoodsNote(m_db, t, number);
        break;
    case DeletionKind::Invoice:
    case DeletionKind::DebitNote:
    case DeletionKind::CreditNote:
        deleted = deleteInvoice(t, number) &&
                  CashLinks::DeleteCreditNoteOperation(
                      t,
                      m_db.HasTable("credit_note_cash"),
                      number);
        break;
    case DeletionKind::WarrantyCard:
        deleted = deleteFrom(t, {"gk_main", "gk_items"}, number);
        break;
    case DeletionKind::Offer:
        deleted = deleteFrom(t, {"offers", "offers_cmp"}, number);
        break;
    }
    if (!deleted || !t.Active()) {
        t.Rollback();
        return false;
    }
    return t.Commit();
}

bool DocumentDeletion::Run(DeletionKind kind, DocumentChooser& chooser) {
    const std::optional<DocumentChoice> choice = chooser.ChooseDocument(ChooserKindOf(kind), 0);
    if (!choice)
        return false;
    const bool production = kind == DeletionKind::Production;
    const QString question = production ? "Моля, потвърдете изтриването на избраните операции."
                                        : "Потвърждавате ли изтриването на този документ?";
    if (m_prompter.AskYesNo(question, MessageIcon::Exclamation) != Answer::Yes) {
        m_prompter.Message("Операцията беше отказана.", MessageIcon::Information);
        return false;
    }
    if (!Delete(kind, choice->number)) {
        if (!production)
            m_prompter.Message("Документът не може да бъде изтрит. Моля, опитайте отново.",
                               MessageIcon::Stop);
        return false;
    }
    m_prompter.Message(production ? "Избраните операции бяха изтрити успешно."
                                  : "Документът беше изтрит успешно.",
                       MessageIcon::Information);
    return true;
}
