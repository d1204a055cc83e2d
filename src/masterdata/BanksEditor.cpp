#include "masterdata/BanksEditor.h"

#include "base/Prompter.h"
#include "db/WriteTransaction.h"

BanksEditor::BanksEditor(ConnectionSource& source, Sleeper& sleeper, Prompter& prompter)
    : m_db(source, sleeper, prompter, RetryPolicy{50, 500}), m_prompter(prompter) {}

QString BanksEditor::SaveCaption() const {
    return m_editing.id ? QString("съхрани промените") : QString("добави тази сметка");
}

bool BanksEditor::Reload() {
    m_accounts.clear();
    ResultTable table;
    if (!m_db.Query(table, "SELECT * FROM banks ORDER BY name DESC;"))
        return false;
    // Each row goes to the top, so the list reads in ascending order.
    for (int r = table.Rows(); r >= 1; --r)
        m_accounts.push_back({table.Int(r, 0), table.Text(r, 1, ""), table.Text(r, 2, ""),
                              table.Text(r, 3, ""), table.Text(r, 4, "")});
    return true;
}

bool BanksEditor::StartEditing(int id) {
    ResultTable table;
    if (!m_db.Query(table, "SELECT * FROM banks WHERE id = ?;", id) || table.Empty())
        return false;
    m_editing = {table.Int(1, 0), table.Text(1, 1, ""), table.Text(1, 2, ""), table.Text(1, 3, ""),
                 table.Text(1, 4, "")};
    return true;
}

bool BanksEditor::Save(const Bank& fields) {
    Bank account = fields;
    account.name = account.name.trimmed();
    account.branch = account.branch.trimmed();
    account.code = account.code.simplified().remove(' ').toUpper();
    account.account = account.account.simplified().remove(' ').toUpper();
    if (account.name.isEmpty() || account.branch.isEmpty() || account.code.isEmpty() ||
        account.account.isEmpty()) {
        m_prompter.Message("Не сте попълнили всички необходими полета.", MessageIcon::Stop);
        return false;
    }
    if (m_editing.id) {
        if (!m_db.ExecPrintf(
                "UPDATE banks SET name = ?, branch = ?, code = ?, acc = ? WHERE id = ?;",
                account.name, account.branch, account.code, account.account, m_editing.id))
            return false;
    } else {
        if (!m_db.ExecPrintf("INSERT INTO banks (name, branch, code, acc) VALUES (?, ?, ?, ?);", account.name,
                             account.branch, account.code, account.account))
            return false;
    }
    m_editing = Bank();
    return Reload();
}

bool BanksEditor::Delete(int id) {
    if (m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Exclamation) !=
        Answer::Yes)
        return false;
    // The documents are looked at under the write lock, so none can name the
    // account between the check and the delete.
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    for (const char* sql : {"SELECT * FROM stokovi_firmdata WHERE firm_bank_id = ?;",
                            "SELECT * FROM invoices_firmdata WHERE firm_bank_id = ?;",
                            "SELECT * FROM proforms_firmdata WHERE firm_bank_id = ?;"}) {
        ResultTable table;
        if (!m_db.Query(table, sql, id))
            return false;
        if (!table.Empty())
            return t.Refuse("Тази сметка не може да бъде изтрита, защото участва в операции!",
                            MessageIcon::Exclamation);
    }
    if (!t.ExecPrintf("DELETE FROM banks WHERE id = ?;", id) || !t.Commit())
        return false;
    if (m_editing.id == id)
        m_editing = Bank();
    return Reload();
}
