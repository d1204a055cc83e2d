#include "masterdata/BanksEditor.h"

#include "base/Prompter.h"
#include "db/WriteTransaction.h"
#include "masterdata/BankStore.h"

BanksEditor::BanksEditor(ConnectionSource& source, Sleeper& sleeper, Prompter& prompter)
    : m_db(source, sleeper, prompter, RetryPolicy{50, 500}), m_prompter(prompter) {}

QString BanksEditor::SaveCaption() const {
    return m_editing.id ? QString("съхрани промените") : QString("добави тази сметка");
}

bool BanksEditor::Reload() {
    return BankStore(m_db).All(m_accounts);
}

bool BanksEditor::StartEditing(int id) {
    const std::optional<Bank> account = BankStore(m_db).Find(id);
    if (!account)
        return false;
    m_editing = *account;
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
    account.id = m_editing.id;
    BankStore store(m_db);
    WriteTransaction t(m_db);
    if (!t.Begin() || !(account.id ? store.Update(t, account) : store.Insert(t, account)) || !t.Commit())
        return false;
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
    BankStore store(m_db);
    const std::optional<bool> used = store.InUse(id);
    if (!used)
        return false;
    if (*used)
        return t.Refuse("Тази сметка не може да бъде изтрита, защото участва в операции!", MessageIcon::Exclamation);
    if (!store.Delete(t, id) || !t.Commit())
        return false;
    if (m_editing.id == id)
        m_editing = Bank();
    return Reload();
}
