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

DocumentKind ChooserKindOf(DeletionKind kind) {
    switch (kind) {
    case DeletionKind::Request:
        return DocumentKind::Requests;
    case DeletionKind::Delivery:
        return DocumentKind::Deliveries;
    case DeletionKind::Production:
        return DocumentKind::Production;
    case DeletionKind::GoodsNote:
        return DocumentKind::GoodsNotes;
    case DeletionKind::Invoice:
        return DocumentKind::Invoices;
    case DeletionKind::DebitNote:
        return DocumentKind::DebitNotes;
    case DeletionKind::CreditNote:
        return DocumentKind::CreditNotes;
    case DeletionKind::WarrantyCard:
        return DocumentKind::WarrantyCards;
    case DeletionKind::Offer:
        return DocumentKind::Offers;
    }
    return DocumentKind::GoodsNotes;
}

bool DocumentDeletion::Delete(DeletionKind kind, int number) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    ItemStore items(m_db);
    bool deleted = false;
    switch (kind) {
    case DeletionKind::Request:
        deleted = RequestStore::Delete(t, number);
        break;
    case DeletionKind::Delivery: {
        // The delivered goods leave the stock again, even below zero.
        DeliveryStore deliveries(m_db);
        deleted = takeFromStock(t, items, deliveries.DeliveredQuantities(number)) &&
                  deliveries.Delete(t, number) && CashRegisterStore::DeleteDocumentOperations(t, 1, number);
        break;
    }
    case DeletionKind::Production: {
        ProductionStore production(m_db);
        deleted = returnToStock(t, items, production.ConsumedQuantities(number)) &&
                  takeFromStock(t, items, production.ProducedQuantities(number)) &&
                  production.Delete(t, number);
        break;
    }
    case DeletionKind::GoodsNote: {
        SaleStore sales(m_db);
        deleted = returnToStock(t, items, sales.ReturnedQuantities(number)) &&
                  sales.DeleteGoodsNote(t, number) &&
                  CashRegisterStore::DeleteDocumentOperations(t, 0, number);
        break;
    }
    case DeletionKind::Invoice:
    case DeletionKind::DebitNote:
    case DeletionKind::CreditNote:
        deleted = SaleStore(m_db).DeleteInvoice(t, number) &&
                  CashRegisterStore::DeleteCreditNoteOperation(t, m_db.HasTable("credit_note_cash"), number);
        break;
    case DeletionKind::WarrantyCard:
        deleted = WarrantyCardStore::Delete(t, number);
        break;
    case DeletionKind::Offer:
        deleted = OfferStore::Delete(t, number);
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
