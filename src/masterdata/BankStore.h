#pragma once

#include "masterdata/Bank.h"

#include <optional>
#include <vector>

class Database;
class WriteTransaction;

// The statements of the `banks` table, the firm's accounts. Every write goes
// through the change it is given, which also holds the checks that guard it.
class BankStore {
public:
    explicit BankStore(Database& db) : m_db(db) {}

    // Every account in ascending order of the bank's name.
    bool All(std::vector<Bank>& accounts);
    // The account, or nothing when it is missing or unreadable.
    std::optional<Bank> Find(int id);
    // Whether a stored goods note, invoice or pro-forma names the account;
    // nothing when unreadable.
    std::optional<bool> InUse(int id);

    bool Insert(WriteTransaction& t, const Bank& account);
    bool Update(WriteTransaction& t, const Bank& account);
    bool Delete(WriteTransaction& t, int id);

private:
    Database& m_db;
};
