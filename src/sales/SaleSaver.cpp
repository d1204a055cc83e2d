#include "sales/SaleSaver.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/DocNumber.h"
#include "format/Rounding.h"
#include "masterdata/CostPrices.h"
#include "masterdata/Item.h"
#include "sales/SaleCashSteps.h"
#include "sales/fiscal/FiscalRegister.h"

#include <algorithm>
#include <cmath>

namespace {
// A credit note stores every amount, quantity and price negative: the
// figure rounded as a positive one, then negated.
double signedValue(double value, int decimals, bool credit) {
    const double rounded = RoundHalfUp(std::abs(value), decimals);
    return credit ? -rounded : rounded;
}
} // namespace

SaleSaver::SaleSaver(Database& db, bool sellsOnZero, FiscalRegister* fiscal)
    : m_db(db), m_store(db), m_posting(db, m_store), m_sellsOnZero(sellsOnZero) {
    m_steps.Own([this](WriteTransaction& t, SaleSaveContext& c) { return ChecksAndNumbers(t, c); });
    m_steps.Own([this](WriteTransaction& t, SaleSaveContext& c) { return HeaderAndSnapshots(t, c); });
    m_steps.Own([this](WriteTransaction& t, SaleSaveContext& c) { return LinesAndPosting(t, c); });
    m_steps.Own([this](WriteTransaction& t, SaleSaveContext& c) { return MarkEarlier(t, c); });
    m_steps.Append(SaleCashSteps::GoodsNoteOperation());
    m_steps.Append(SaleCashSteps::CreditNoteOperation());
    m_steps.Append(FiscalRegister::SaveGroup(db, fiscal));
}

bool SaleSaver::SaveNew(SaleDocument& doc, const SaleTotals& totals) {
    SaleSaveContext context{doc, totals, doc.header.docId, 0, {}};
    WriteTransaction t(m_db);
    return t.Begin() && m_steps.RunNew(t, context) && t.Commit();
}

bool SaleSaver::ChecksAndNumbers(WriteTransaction& t, SaleSaveContext& c) {
    const SaleOp op = c.doc.op;
    const SaleFamily family = SaleOps::FamilyOf(op);
    const std::optional<bool> taken = m_store.NumberTaken(family, c.number);
    if (!taken)
        return false;
    if (*taken)
        return t.Refuse(family == SaleFamily::GoodsNotes ? "Грешка: вече има стокова разписка с този номер."
                        : family == SaleFamily::Proformas
                            ? "Грешка: вече има проформа с този номер"
                            : "Грешка: вече има фактура или известие с този номер.",
                        MessageIcon::Stop);
    if (op == SaleOp::GoodsNote)
        c.goodsNoteNumber = c.number;
    else if (SaleOps::WritesGoodsNoteBeside(op)) {
        const std::optional<int> next = m_store.NextNumber(SaleFamily::GoodsNotes);
        if (!next)
            return false;
        c.goodsNoteNumber = *next;
    }
    if (!SaleOps::ChecksStock(op))
        return true;
    const auto needs = m_posting.NeedsOf(c.doc.lines);
    if (!needs)
        return false;
    c.needs = *needs;
    // What a sale takes out must be there; a credit note brings stock back.
    if (m_sellsOnZero || op == SaleOp::CreditNote)
        return true;
    const std::optional<QString> short_ = m_posting.ShortStock(c.needs);
    if (!short_)
        return false;
    return short_->isEmpty() || t.Refuse(*short_, MessageIcon::Stop);
}

SaleStore::StoredTotals SaleSaver::Signed(const SaleTotals& s, bool credit) const {
    return {signedValue(s.allSum, 2, credit), signedValue(s.discountSum, 2, credit),
            signedValue(s.base, 2, credit), signedValue(s.vat, 2, credit), signedValue(s.total, 2, credit)};
}

bool SaleSaver::HeaderAndSnapshots(WriteTransaction& t, SaleSaveContext& c) {
    const SaleOp op = c.doc.op;
    const bool credit = op == SaleOp::CreditNote;
    const SaleStore::StoredTotals totals = Signed(c.totals, credit);
    switch (SaleOps::FamilyOf(op)) {
    case SaleFamily::GoodsNotes:
        return m_store.InsertGoodsNote(t, c.doc, c.number, 0, totals) &&
               m_store.InsertSnapshots(t, SaleFamily::GoodsNotes, c.doc, c.number);
    case SaleFamily::Proformas:
        return m_store.InsertProforma(t, c.doc, c.number, totals) &&
               m_store.InsertSnapshots(t, SaleFamily::Proformas, c.doc, c.number);
    case SaleFamily::Invoices:
        break;
    }
    if (c.goodsNoteNumber != 0 &&
        (!m_store.InsertGoodsNote(t, c.doc, c.goodsNoteNumber, c.number, totals) ||
         !m_store.InsertSnapshots(t, SaleFamily::GoodsNotes, c.doc, c.goodsNoteNumber)))
        return false;
    return m_store.InsertInvoice(t, c.doc, c.number, totals) &&
           m_store.InsertSnapshots(t, SaleFamily::Invoices, c.doc, c.number);
}

bool SaleSaver::LinesAndPosting(WriteTransaction& t, SaleSaveContext& c) {
    const SaleOp op = c.doc.op;
    const bool credit = op == SaleOp::CreditNote;
    const SaleFamily family = SaleOps::FamilyOf(op);
    const QDate date = c.doc.header.docDate;
    for (const SaleLine& line : c.doc.lines) {
        SaleStore::StoredLine stored;
        stored.line = &line;
        stored.quantity = signedValue(line.quantity, 3, credit);
        stored.price = signedValue(line.price, 2, credit);
        stored.value = signedValue(SaleLine::ValueOf(line.quantity, line.price), 2, credit);
        // A free-text line keeps group 0 and no cost, also when its typed
        // code is an item's.
        if (!line.freeText) {
            Item item;
            if (!LoadItem(m_db, line.code, item))
                return false;
            stored.group = item.group;
            if (family != SaleFamily::Proformas)
                stored.costPrice = signedValue(GetItemCostPrice(m_db, line.code), 5, credit);
        }
        bool written = false;
        switch (family) {
        case SaleFamily::GoodsNotes:
            written = m_store.InsertGoodsNoteLine(t, c.number, date, stored, 0);
            break;
        case SaleFamily::Proformas:
            written = m_store.InsertProformaLine(t, c.number, date, stored);
            break;
        case SaleFamily::Invoices:
            written = (c.goodsNoteNumber == 0 ||
                       m_store.InsertGoodsNoteLine(t, c.goodsNoteNumber, date, stored, c.number)) &&
                      m_store.InsertInvoiceLine(t, c.number, date, stored);
            break;
        }
        if (!written)
            return false;
    }
    return !SaleOps::MovesStock(op) ||
           m_posting.Post(t, c.needs, c.goodsNoteNumber, date, c.doc.header.partnerId, credit);
}

// An invoice for earlier documents marks them invoiced, and finds them still
// open: a goods note or pro-forma another seat invoiced (or deleted) in the
// meantime leaves the invoice unsaved.
bool SaleSaver::MarkEarlier(WriteTransaction& t, SaleSaveContext& c) {
    const SaleOp op = c.doc.op;
    if (!SaleOps::InvoicesEarlier(op))
        return true;
    std::vector<std::pair<int, int>> sources; // document, lines taken from it
    for (const SaleLine& line : c.doc.lines) {
        auto source = std::find_if(sources.begin(), sources.end(),
                                   [&](const std::pair<int, int>& s) { return s.first == line.sourceDoc; });
        if (source == sources.end())
            sources.emplace_back(line.sourceDoc, 1);
        else
            ++source->second;
    }
    auto changes = [&t](int expected, const QString& refusal) {
        return t.ChangedRows() == expected || t.Refuse(refusal, MessageIcon::Stop);
    };
    for (const auto& [source, lines] : sources) {
        const QByteArray number = FormatDocNumber(source).toUtf8();
        if (op == SaleOp::InvoiceForProforma) {
            if (!m_store.MarkInvoiced(t, SaleFamily::Proformas, source, c.number) ||
                !changes(1, QString::asprintf(
                                "Проформа фактура № %s вече е фактурирана или изтрита от друго работно "
                                "място. Фактурата не е записана.",
                                number.constData())))
                return false;
            continue;
        }
        const QString refusal =
            QString::asprintf("Стокова разписка № %s вече е фактурирана или изтрита от друго "
                              "работно място. Фактурата не е записана.",
                              number.constData());
        if (!m_store.MarkInvoiced(t, SaleFamily::GoodsNotes, source, c.number) || !changes(1, refusal) ||
            !m_store.MarkLinesInvoiced(t, source, c.number) || !changes(lines, refusal))
            return false;
    }
    return true;
}

bool SaleSaver::SaveStored(const SaleDocument& doc) {
    WriteTransaction t(m_db);
    if (!t.Begin() || !m_store.RewriteStored(t, SaleOps::FamilyOf(doc.op), doc))
        return false;
    SaleDocument written = doc;
    const int goodsNote = SaleOps::FamilyOf(doc.op) == SaleFamily::GoodsNotes ? doc.header.docId : 0;
    SaleSaveContext context{written, {}, doc.header.docId, goodsNote, {}, true};
    return m_steps.RunStored(t, context) && t.Commit();
}
