#pragma once

#include "sales/SaleDocument.h"
#include "sales/SalePosting.h"
#include "trade/SaveSteps.h"

#include <vector>

// What the statement groups of one save share.
struct SaleSaveContext {
    SaleDocument& doc;
    SaleTotals totals;       // as the screen shows them, positive
    int number = 0;          // the document's number
    int goodsNoteNumber = 0; // the goods note the save writes (code 1: the number itself), 0 when none
    std::vector<SalePosting::Need> needs;
    bool stored = false; // a stored document written again: its header only
};

// One group of statements of a save, of a new document or (context.stored)
// of a stored one written again; false stops the save, which rolls back
// everything written.
using SaleSaveGroup = SaveSteps<SaleSaveContext>::Step;
