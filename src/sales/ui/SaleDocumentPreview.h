#pragma once

class CTarvoDoc;
class Database;
class FormHost;

// A stored sale document loaded by the sale form and handed to the host's
// print preview, as its original or its copy. `kind` is the document
// browser's (1 goods note, 3 invoice, 4 pro-forma, 12 debit note, 13 credit
// note). False when it cannot be read.
bool ShowStoredSaleDocument(Database& db, FormHost& host, int kind, int number, bool original);

// The quick preview of a stored sale document: it opens as its printed copy
// in the print preview, from which it may also be printed.
bool PreviewStoredSaleDocument(CTarvoDoc& doc, FormHost& host, int kind, int number);
