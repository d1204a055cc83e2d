#pragma once

#include <QString>

class Database;

// The firm's own data: the one row of `firmdata`.
struct FirmData {
    QString firmName;
    QString firmNameLat;
    QString city;
    QString cityLat;
    QString address;
    QString addressLat;
    QString mol;
    QString molLat;
    QString taxId;   // identification number, needed when not VAT registered
    QString bulstat; // VAT number, needed when VAT registered
    int vatRegistered = 0;
    double vatValue = 0;

    // Complete enough to issue sales and record deliveries.
    bool IsComplete() const;
};

// Reads the first row of `firmdata`; the record stays cleared when there is
// none. False only when the read failed (and was reported).
bool LoadFirmData(Database& db, FirmData& record);

// The firm's VAT registration; 0 when missing or unreadable.
int IsVatRegistered(Database& db);
// The VAT rate in percent; 20 when missing, NULL or unreadable.
double GetVatRate(Database& db);
