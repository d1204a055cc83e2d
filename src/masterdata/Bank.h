#pragma once

#include <QString>

class Database;

// One of the firm's bank accounts.
struct Bank {
    int id = 0;
    QString name;
    QString branch;
    QString code;    // BIC
    QString account; // IBAN
};

// Fills the record; id 0 and empty texts when the account is missing.
void LoadBank(Database& db, int id, Bank& record);
