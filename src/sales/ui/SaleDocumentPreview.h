#pragma once

class CTarvoDoc;
class FormHost;

// The quick preview of a stored sale document: it opens as its printed copy
// in the print preview, from which it may also be printed. `kind` is the
// document browser's (1 goods note, 3 invoice). False when it cannot be read.
bool PreviewStoredSaleDocument(CTarvoDoc& doc, FormHost& host, int kind, int number);
