#include "app/DocumentDeletion.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "documents/OfferStore.h"
#include "documents/WarrantyCardStore.h"
#include "masterdata/ItemStore.h"
#include "sales/SaleStore.h"
#include "stockops/DeliveryStore.h"
#include "stockops/ProductionStore.h"
#include "stockops/RequestStore.h"
#include "trade/CashRegisterStore.h"
#include "trade/DocumentBrowser.h"
#include "trade/DocumentChooser.h"

namespace {
// The moves are read before the rows go; a failed read ends the deletion.
bool returnToStock(WriteTransaction& t, ItemStore& items, const std::optional<StockMoves>& moves) {
    return moves && items.IncreaseQuantities(t, *moves);
}

bool takeFromStock(WriteTransaction& t, ItemStore& items, const std::optional<StockMoves>& moves) {
    return moves && items.DecreaseQuantities(t, *moves);
}
} // namespace

bool DocumentDeletion::Delete(DocumentKind kind, int number) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    ItemStore items(m_db);
    bool deleted = false;
    switch (kind) {
    case DocumentKind::Requests:
        deleted = RequestStore::Delete(t, number);
        break;
    case DocumentKind::Deliveries: {
        // The delivered goods leave the stock again, even below zero.
        DeliveryStore deliveries(m_db);
        deleted = takeFromStock(t, items, deliveries.DeliveredQuantities(number)) &&
                  deliveries.Delete(t, number) && CashRegisterStore::DeleteDocumentOperations(t, 1, number);
        break;
    }
    case DocumentKind::Production: {
        ProductionStore production(m_db);
        deleted = returnToStock(t, items, production.ConsumedQuantities(number)) &&
                  takeFromStock(t, items, production.ProducedQuantities(number)) &&
                  production.Delete(t, number);
        break;
    }
    case DocumentKind::GoodsNotes: {
        SaleStore sales(m_db);
        deleted = returnToStock(t, items, sales.ReturnedQuantities(number)) &&
                  sales.DeleteGoodsNote(t, number) &&
                  CashRegisterStore::DeleteDocumentOperations(t, 0, number);
        break;
    }
    case DocumentKind::Invoices:
    case DocumentKind::DebitNotes:
    case DocumentKind::CreditNotes:
        deleted = SaleStore(m_db).DeleteInvoice(t, number) &&
                  CashRegisterStore::DeleteCreditNoteOperation(t, m_db.HasTable("credit_note_cash"), number);
        break;
    case DocumentKind::WarrantyCards:
        deleted = WarrantyCardStore::Delete(t, number);
        break;
    case DocumentKind::Offers:
        deleted = OfferStore::Delete(t, number);
        break;
    default:
        break;
    }
    if (!deleted || !t.Active()) {
        t.Rollback();
        return false;
    }
    return t.Commit();
}

bool DocumentDeletion::Run(DocumentKind kind, DocumentChooser& chooser) {
    const std::optional<DocumentChoice> choice = chooser.ChooseDocument(kind, 0);
    if (!choice)
        return false;
    const bool production = kind == DocumentKind::Production;
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
