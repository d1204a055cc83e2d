#pragma once

#include "trade/DocumentKind.h"

class Database;
class DocumentChooser;
class Prompter;

// The documents "Изтриване на операции и документи" removes, one kind per
// command.
enum class DeletionKind {
    Request,
    Delivery,
    Production,
    GoodsNote,
    Invoice,
    DebitNote,
    CreditNote,
    WarrantyCard,
    Offer,
};

// The kind "избор на документ" lists for a deletion command.
DocumentKind ChooserKindOf(DeletionKind kind);

// Deletes one stored document and undoes what it did to the stock and the
// cash register, all in one change.
class DocumentDeletion {
public:
    DocumentDeletion(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    // The whole command: the chooser, the question, the deletion and its
    // message. True when a document was deleted.
    bool Run(DeletionKind kind, DocumentChooser& chooser);

    // The deletion alone; false when it failed (reported, nothing changed).
    bool Delete(DeletionKind kind, int number);

private:
    Database& m_db;
    Prompter& m_prompter;
};
