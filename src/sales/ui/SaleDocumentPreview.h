#pragma once

#include "trade/DocumentKind.h"

class CTarvoDoc;
class Database;
class FormHost;

// A stored sale document loaded by the sale form and handed to the host's
// print preview, as its original or its copy: a goods
// note, an invoice, a pro-forma, a debit or a credit note. False when it
// cannot be read.
bool ShowStoredSaleDocument(Database& db, FormHost& host, DocumentKind kind, int number, bool original);

// The quick preview of a stored sale document: it opens as its printed copy
// in the print preview, from which it may also be printed.
bool PreviewStoredSaleDocument(CTarvoDoc& doc, FormHost& host, DocumentKind kind, int number);
