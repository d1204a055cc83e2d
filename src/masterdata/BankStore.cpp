#include "masterdata/BankStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

namespace {
constexpr const char* kColumns = "SELECT id, name, branch, code, acc FROM banks ";

Bank readBank(const ResultTable& table, int r) {
    return {table.Int(r, 0), table.Text(r, 1, ""), table.Text(r, 2, ""), table.Text(r, 3, ""), table.Text(r, 4, "")};
}
} // namespace

bool BankStore::All(std::vector<Bank>& accounts) {
    accounts.clear();
    ResultTable table;
    if (!m_db.Query(table, "%s ORDER BY name DESC;", SqlStatement(kColumns)))
        return false;
    // Read from the last row up, so accounts of one name keep the order they always had.
    for (int r = table.Rows(); r >= 1; --r)
        accounts.push_back(readBank(table, r));
    return true;
}

std::optional<Bank> BankStore::Find(int id) {
    ResultTable table;
    if (!m_db.Query(table, "%s WHERE id = ?;", SqlStatement(kColumns), id) || table.Empty())
        return std::nullopt;
    return readBank(table, 1);
}

std::optional<bool> BankStore::InUse(int id) {
    ResultTable table;
    if (!m_db.Query(table,
                    "SELECT (SELECT COUNT(*) FROM stokovi_firmdata WHERE firm_bank_id = ?) + "
                    "(SELECT COUNT(*) FROM invoices_firmdata WHERE firm_bank_id = ?) + "
                    "(SELECT COUNT(*) FROM proforms_firmdata WHERE firm_bank_id = ?) AS documents;",
                    id, id, id) ||
        table.Empty())
        return std::nullopt;
    return table.Int(1, 0) > 0;
}

bool BankStore::Insert(WriteTransaction& t, const Bank& a) {
    return t.ExecPrintf("INSERT INTO banks (name, branch, code, acc) VALUES (?, ?, ?, ?);", a.name, a.branch, a.code,
                        a.account);
}

bool BankStore::Update(WriteTransaction& t, const Bank& a) {
    return t.ExecPrintf("UPDATE banks SET name = ?, branch = ?, code = ?, acc = ? WHERE id = ?;", a.name, a.branch,
                        a.code, a.account, a.id);
}

bool BankStore::Delete(WriteTransaction& t, int id) {
    return t.ExecPrintf("DELETE FROM banks WHERE id = ?;", id);
}
