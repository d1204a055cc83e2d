#pragma once

#include "sales/SaleDocument.h"
#include "sales/SalePosting.h"
#include "sales/SaleStore.h"

#include <functional>
#include <vector>

class Database;
class WriteTransaction;

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
using SaleSaveGroup = std::function<bool(WriteTransaction&, SaleSaveContext&)>;

// Writes a new sale document, with its stock effect, in one change: a list
// of statement groups run inside one WriteTransaction. The checks that guard
// the write (the number is free, the stock suffices) and the goods-note
// number are the first group, under the lock; a later feature adds a group
// of its own with Append without touching the others.
class SaleSaver {
public:
    SaleSaver(Database& db, bool sellsOnZero);

    void Append(SaleSaveGroup group) { m_groups.push_back(std::move(group)); }

    // The document's number is doc.header.docId; checkNumber for a document
    // whose number the user may have chosen. True when committed.
    bool SaveNew(SaleDocument& doc, const SaleTotals& totals);
    // A stored document again: its header, snapshots and line dates, then
    // the groups appended.
    bool SaveStored(const SaleDocument& doc);

private:
    bool ChecksAndNumbers(WriteTransaction& t, SaleSaveContext& c);
    bool HeaderAndSnapshots(WriteTransaction& t, SaleSaveContext& c);
    bool LinesAndPosting(WriteTransaction& t, SaleSaveContext& c);
    bool MarkEarlier(WriteTransaction& t, SaleSaveContext& c);
    SaleStore::StoredTotals Signed(const SaleTotals& totals, bool credit) const;

    Database& m_db;
    SaleStore m_store;
    SalePosting m_posting;
    bool m_sellsOnZero;
    std::vector<SaleSaveGroup> m_groups;
    size_t m_ownGroups = 0; // the groups before the appended ones
};
