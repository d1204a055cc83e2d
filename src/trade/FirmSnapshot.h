#pragma once

#include <QString>

// The issuing firm as the document keeps it, with the document's VAT state
// and bank account.
struct FirmSnapshot {
    QString name;
    QString city;
    QString address;
    QString mol;
    QString taxId;
    QString bulstat;
    int vatRegistered = 0;
    double vatRate = 0;
    int bankId = 0;
};

class Database;
// The firm as its data stands now, for a new document; no bank chosen yet.
FirmSnapshot CurrentFirm(Database& db);
