#pragma once

#include <QString>

// One of the firm's bank accounts.
struct Bank {
    int id = 0;
    QString name;
    QString branch;
    QString code;    // BIC
    QString account; // IBAN
};
