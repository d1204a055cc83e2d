#pragma once

#include "trade/DocumentKind.h"

class Database;
class DocumentChooser;
class Prompter;

// Deletes one stored document and undoes what it did to the stock and the
// cash register, all in one change.
class DocumentDeletion {
public:
    DocumentDeletion(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    // The whole command of "Изтриване на операции и документи" for one kind
    // (requests, deliveries, production, goods notes, invoices, debit and
    // credit notes, warranty cards, offers): the chooser, the question, the
    // deletion and its message. True when a document was deleted.
    bool Run(DocumentKind kind, DocumentChooser& chooser);

    // The deletion alone; false when it failed (reported, nothing changed)
    // or the kind is not deleted one by one.
    bool Delete(DocumentKind kind, int number);

private:
    Database& m_db;
    Prompter& m_prompter;
};
