#pragma once

#include <QDate>
#include <optional>

class WriteTransaction;

// The statements that remove a closed period's documents: a kind's tables by
// their document date, and the cash register by both of its dates.
namespace PeriodClosingStore {

// The dates a removal covers, each bound inclusive; no bound at all is
// every row.
struct Window {
    std::optional<QDate> from;
    std::optional<QDate> to;
};

bool DeleteRows(WriteTransaction& t, const char* table, const Window& window);
// The operations whose date and due date both lie in the window, with their
// payments (every payment when the window is open on both sides).
bool DeleteCashRegister(WriteTransaction& t, const Window& window);

} // namespace PeriodClosingStore
