#pragma once

#include "sales/SaleSaveContext.h"
#include "sales/SaleStore.h"

class Database;
class FiscalRegister;
class WriteTransaction;

// Writes a new sale document, with its stock effect, in one change: a list
// of statement groups run inside one WriteTransaction. The checks that guard
// the write (the number is free, the stock suffices) and the goods-note
// number are the first group, under the lock. Every save then writes the
// document's operation of the cash register and reserves its fiscal receipt
// (with a register; without one a receipt left by a deleted document of its
// number is still set aside); a later feature adds a group with Append.
class SaleSaver {
public:
    SaleSaver(Database& db, bool sellsOnZero, FiscalRegister* fiscal);

    void Append(SaleSaveGroup group) { m_steps.Append(std::move(group)); }

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
    SaveSteps<SaleSaveContext> m_steps;
};
