#include "stockops/DeliverySaver.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "masterdata/CostPrices.h"
#include "masterdata/Item.h"
#include "stockops/DeliveryCashStep.h"

#include <cmath>

DeliverySaver::DeliverySaver(Database& db) : m_db(db), m_store(db) {
    m_steps.Own([this](WriteTransaction& t, DeliverySaveContext& c) { return StockAndLines(t, c); });
    m_steps.Own([this](WriteTransaction& t, DeliverySaveContext& c) { return HeaderAndCopies(t, c); });
    m_steps.Append(DeliveryCashStep());
}

DeliverySaver::Result DeliverySaver::SaveNew(Delivery& doc, bool markPaid, bool takeNext) {
    DeliverySaveContext context{doc, Deliveries::Totals(doc), doc.header.docId, markPaid, false};
    WriteTransaction t(m_db);
    if (!t.Begin())
        return Result::Failed;
    if (!CheckNumber(t, context, takeNext))
        return context.numberTaken ? Result::NumberTaken : Result::Failed;
    if (!m_steps.RunNew(t, context) || !t.Commit())
        return Result::Failed;
    doc.header.docId = context.number;
    return Result::Saved;
}

// The number is free, or the next free one is taken; a taken number ends the
// change at once, so the question about it is asked with the file unlocked.
bool DeliverySaver::CheckNumber(WriteTransaction& t, DeliverySaveContext& c, bool takeNext) {
    if (takeNext) {
        const std::optional<int> next = m_store.NextNumber();
        c.number = next.value_or(0);
        return next.has_value();
    }
    const std::optional<bool> taken = m_store.NumberTaken(c.number);
    if (taken && !*taken && c.number > 0)
        return true;
    t.Rollback();
    c.numberTaken = true;
    return false;
}

bool DeliverySaver::StockAndLines(WriteTransaction& t, DeliverySaveContext& c) {
    for (const DeliveryLine& line : c.doc.lines) {
        Item item;
        if (!LoadItem(m_db, line.code, item))
            return false;
        const Deliveries::CostUpdate update = Deliveries::DeliveredCost(
            item.quantity, item.costPrice, line.quantity, line.price, c.doc.header.discount);
        if (!m_store.UpdateStock(t, line.code, update))
            return false;
        // Recipes made with the item cost anew once their cost is read.
        if (std::abs(update.cost - item.costPrice) > 0.000001 && !MarkDependentRecipesDirty(m_db, line.code))
            return false;
        DeliveryLine stored = line;
        stored.group = item.group;
        if (!m_store.InsertLine(t, c.doc, c.number, stored))
            return false;
    }
    return true;
}

bool DeliverySaver::HeaderAndCopies(WriteTransaction& t, DeliverySaveContext& c) {
    return m_store.InsertHeader(t, c.doc, c.number, c.totals) && m_store.InsertSupplier(t, c.doc, c.number) &&
           m_store.InsertFirm(t, c.doc, c.number);
}

bool DeliverySaver::SaveStored(const Delivery& doc) {
    WriteTransaction t(m_db);
    if (!t.Begin() || !m_store.UpdateStored(t, doc))
        return false;
    Delivery written = doc;
    DeliverySaveContext context{written, Deliveries::Totals(doc), doc.header.docId, false, false, true};
    return m_steps.RunStored(t, context) && t.Commit();
}
