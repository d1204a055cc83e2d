#include "app/PeriodClosing.h"

#include "app/PeriodClosingStore.h"
#include "base/Prompter.h"
#include "db/WriteTransaction.h"
#include "trade/DocumentKinds.h"

namespace {
PeriodClosingStore::Window windowOf(const ClosingRequest& request) {
    switch (request.mode) {
    case ClosingRequest::Mode::All:
        break;
    case ClosingRequest::Mode::UpTo:
        return {std::nullopt, request.upTo};
    case ClosingRequest::Mode::Period:
        return {request.from, request.to};
    }
    return {};
}
} // namespace

bool PeriodClosing::Delete(const ClosingRequest& request) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    const PeriodClosingStore::Window window = windowOf(request);
    for (const DocumentKindInfo& entry : DocumentKinds::All()) {
        if (!entry.closingCaption || !request.kinds.count(entry.kind))
            continue;
        bool removed = true;
        if (entry.kind == DocumentKind::CashOperations)
            removed = PeriodClosingStore::DeleteCashRegister(t, window);
        for (const char* table : entry.tables)
            removed = removed && PeriodClosingStore::DeleteRows(t, table, window);
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
