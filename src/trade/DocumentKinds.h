#pragma once

#include "lists/ListColumn.h"
#include "trade/DocumentKind.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Database;

// What the program knows of one kind of stored document, written once: the
// name `tarvo pdf` knows it by, the table its numbers are kept in (with the
// `doc_type` that tells apart the kinds sharing the invoices' numbers), the
// tables of its rows, the columns "избор на документ" shows, and the line
// of the period closing that removes it. The browser, the deletion, the
// period closing and `tarvo pdf` read it.
struct DocumentKindInfo {
    DocumentKind kind;
    const char* name = nullptr;    // for `tarvo pdf`; null when not printed by number
    const char* numbers = nullptr; // the table whose `doc_id` numbers it; null for a list of lines
    std::optional<int> docType;    // its `doc_type` there
    // Every table holding its rows by `doc_id` and `doc_dt`, removed by the
    // period closing (the kinds sharing tables name them once).
    std::vector<const char*> tables;
    // The line of the period closing's dialog; null when another line's
    // tables hold it (debit and credit notes are the invoices').
    const char* closingCaption = nullptr;
    std::vector<ListColumn> columns; // the browser's, without a column of marks
};

namespace DocumentKinds {

// Every kind, in the order of the period closing's dialog.
const std::vector<DocumentKindInfo>& All();
const DocumentKindInfo& Of(DocumentKind kind);
// The kind `tarvo pdf` knows by the name, or null.
const DocumentKindInfo* Named(const QString& name);
QStringList Names();

// Whether a document of the kind with that number is stored; false when it
// is not or could not be read (reported).
bool Exists(Database& db, DocumentKind kind, int number);

} // namespace DocumentKinds
