#include "app/PeriodClosing.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

#include <vector>

namespace {
struct KindTables {
    ClosingKind kind;
    std::vector<const char*> tables;
};

// The order in which the kinds are removed, each with its tables.
const std::vector<KindTables>& removalOrder() {
    static const std::vector<KindTables> order = {
        {ClosingKind::GoodsNotes, {"stokovi_main", "stokovi_firmdata", "stokovi_partners", "stokovi_items"}},
        {ClosingKind::Deliveries,
         {"supplies_main", "supplies_firmdata", "supplies_partners", "supplies_items"}},
        {ClosingKind::Invoices,
         {"invoices_main", "invoices_firmdata", "invoices_partners", "invoices_items"}},
        {ClosingKind::Stocktaking, {"revisions", "revisions_cmp"}},
        {ClosingKind::Production, {"production", "production_cmp", "production_cmp_entries"}},
        {ClosingKind::ConsumedMaterials, {"soldmat"}},
        {ClosingKind::Proformas,
         {"proforms_main", "proforms_firmdata", "proforms_partners", "proforms_items"}},
        {ClosingKind::Offers, {"offers", "offers_cmp"}},
        {ClosingKind::Requests, {"requests_main", "requests_items"}},
        {ClosingKind::CashRegister, {}},
        {ClosingKind::WarrantyCards, {"gk_main", "gk_items"}},
    };
    return order;
}

// The condition of the mode on one date column ("" for every document).
QString condition(const ClosingRequest& request, const char* column) {
    switch (request.mode) {
    case ClosingRequest::Mode::All:
        return QString();
    case ClosingRequest::Mode::UpTo:
        return QString("%1 <= '%2'").arg(column, DateToSql(request.upTo));
    case ClosingRequest::Mode::Period:
        return QString("(%1 >= '%2' AND %1 <= '%3')")
            .arg(column, DateToSql(request.from), DateToSql(request.to));
    }
    return QString();
}

QByteArray deleteStatement(const char* table, const QString& where) {
    return QString("DELETE FROM %1%2;").arg(table, where.isEmpty() ? QString() : " WHERE " + where).toUtf8();
}

// The cash register: both its dates lie in the period; the payments of the
// removed operations go with them.
bool deleteCashRegister(WriteTransaction& t, const ClosingRequest& request) {
    if (request.mode == ClosingRequest::Mode::All)
        return t.Exec("DELETE FROM cash_register;") && t.Exec("DELETE FROM cash_register_cmp;");
    const QString where = condition(request, "doc_dt") + " AND " + condition(request, "pay_to_dt");
    return t.Exec(QString(
                      "DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM cash_register WHERE "
                      "%1);")
                      .arg(where)
                      .toUtf8()) &&
           t.Exec(deleteStatement("cash_register", where));
}
} // namespace

bool PeriodClosing::Delete(const ClosingRequest& request) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    const QString where = condition(request, "doc_dt");
    for (const KindTables& entry : removalOrder()) {
        if (!request.kinds.count(entry.kind))
            continue;
        bool removed = true;
        if (entry.kind == ClosingKind::CashRegister)
            removed = deleteCashRegister(t, request);
        for (const char* table : entry.tables)
            removed = removed && t.Exec(deleteStatement(table, where));
        if (!removed)
            return false;
    }
    return t.Commit();
}

bool PeriodClosing::Confirm(const ClosingRequest& request) {
    if (request.kinds.empty()) {
        m_prompter.Message("Необходимо е да изберете поне един от типовете документи!",
                           MessageIcon::Exclamation);
        return false;
    }
    if (request.mode == ClosingRequest::Mode::Period && request.from > request.to) {
        m_prompter.Message("Началната дата на периода е след крайната. Моля, коригирайте периода.",
                           MessageIcon::Exclamation);
        return false;
    }
    if (m_prompter.AskYesNo("Всички избрани документи за посочения период ще бъдат унищожени! Желаете ли да "
                            "продължите?",
                            MessageIcon::Exclamation) != Answer::Yes)
        return false;
    if (request.archiveFirst && !m_makeArchive() &&
        m_prompter.AskYesNoDefaultNo(
            "Архивното копие не беше създадено. Желаете ли да изтриете документите без архив?",
            MessageIcon::Exclamation) != Answer::Yes)
        return false;
    if (!Delete(request)) {
        m_prompter.Message("Приключването на периода не беше извършено. Документите не са изтрити.",
                           MessageIcon::Stop);
        return true;
    }
    m_prompter.Message("Приключването на периода завърши успешно!", MessageIcon::Information);
    return true;
}
