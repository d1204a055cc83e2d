#pragma once

#include "db/Database.h"
#include "masterdata/Bank.h"

#include <vector>

class ConnectionSource;
class Prompter;
class Sleeper;

// What the editor of the firm's bank accounts does. Its statements wait for a
// busy database 50 times, not 2500.
class BanksEditor {
public:
    BanksEditor(ConnectionSource& source, Sleeper& sleeper, Prompter& prompter);

    // The accounts in name order.
    const std::vector<Bank>& Accounts() const { return m_accounts; }
    bool Reload();

    // The account in the edit fields (id 0 while adding a new one).
    const Bank& Editing() const { return m_editing; }
    // The caption of the save button.
    QString SaveCaption() const;
    // Puts the account into the edit fields.
    bool StartEditing(int id);
    // Stores the fields as a new account or over the one being edited; all
    // four are required. Clears the fields and reloads on success.
    bool Save(const Bank& fields);
    // Deletes an account after asking, unless a document names it.
    bool Delete(int id);

private:
    Database m_db;
    Prompter& m_prompter;
    std::vector<Bank> m_accounts;
    Bank m_editing;
};
