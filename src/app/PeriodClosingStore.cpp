#include "app/PeriodClosingStore.h"

#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

namespace PeriodClosingStore {

namespace {
// " AND column >= ? AND column <= ?" for the bounds the window has.
SqlStatement within(const char* column, const Window& window) {
    SqlStatement condition;
    const SqlStatement name(column);
    if (window.from)
        condition += SqlCompose(" AND %s >= ?", {name, DateToSql(*window.from)});
    if (window.to)
        condition += SqlCompose(" AND %s <= ?", {name, DateToSql(*window.to)});
    return condition;
}
} // namespace

bool DeleteRows(WriteTransaction& t, const char* table, const Window& window) {
    return t.Exec(SqlCompose("DELETE FROM %s WHERE 1 = 1%s;", {SqlStatement(table), within("doc_dt", window)}));
}

bool DeleteCashRegister(WriteTransaction& t, const Window& window) {
    if (!window.from && !window.to)
        return t.Exec("DELETE FROM cash_register;") && t.Exec("DELETE FROM cash_register_cmp;");
    SqlStatement where = within("doc_dt", window);
    where += within("pay_to_dt", window);
    return t.Exec(SqlCompose("DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM cash_register WHERE "
                             "1 = 1%s);",
                             {where})) &&
           t.Exec(SqlCompose("DELETE FROM cash_register WHERE 1 = 1%s;", {where}));
}

} // namespace PeriodClosingStore
