#pragma once

#include "stockops/Delivery.h"
#include "stockops/DeliveryStore.h"
#include "trade/SaveSteps.h"

class Database;
class WriteTransaction;

// What the statement groups of one save share.
struct DeliverySaveContext {
    Delivery& doc;
    DeliveryTotals totals;
    int number = 0;           // the delivery's number, taken under the lock when asked
    bool markPaid = false;    // "плащане до:" ticked: the payment counts as made
    bool numberTaken = false; // the number was found taken; nothing was written
    bool stored = false;      // a stored delivery written again: its header only
};

// One group of statements of a save; false stops the save, which rolls back
// everything written.
using DeliverySaveGroup = SaveSteps<DeliverySaveContext>::Step;

// Writes a new delivery with its effect on stock and cost in one change: a
// list of statement groups run inside one WriteTransaction. The number check
// (or the next free number) comes first, under the lock; every line then
// reads its item inside the change, so a sale another seat made meanwhile,
// or an earlier line of the same item, is counted. Every save then writes
// the delivery's operation of the cash register; a later feature adds a
// group of its own with Append.
class DeliverySaver {
public:
    explicit DeliverySaver(Database& db);

    void Append(DeliverySaveGroup group) { m_steps.Append(std::move(group)); }

    enum class Result { Saved, NumberTaken, Failed };
    // The number is doc.header.docId, or the next free one when takeNext is
    // set; on success the document keeps the number it was saved under.
    Result SaveNew(Delivery& doc, bool markPaid, bool takeNext);
    // A stored delivery again: header, copies and the lines' date and
    // invoice, then the groups appended.
    bool SaveStored(const Delivery& doc);

private:
    bool CheckNumber(WriteTransaction& t, DeliverySaveContext& c, bool takeNext);
    bool StockAndLines(WriteTransaction& t, DeliverySaveContext& c);
    bool HeaderAndCopies(WriteTransaction& t, DeliverySaveContext& c);

    Database& m_db;
    DeliveryStore m_store;
    SaveSteps<DeliverySaveContext> m_steps;
};
