#pragma once

#include <QString>

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
