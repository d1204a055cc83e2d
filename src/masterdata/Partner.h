#pragma once

#include <QString>

// A customer, a supplier or both: one row of `partners`.
struct Partner {
    int id = 0;
    int isCustomer = 1;
    int isSupplier = 1;
    QString name;
    QString city;
    QString address;
    QString taxId;
    QString bulstat;
    QString mol;
    QString phone;
    QString fax;
    QString email;
    QString url;
    QString notes;
    QString bankName;
    QString bankBranch;
    QString bankCode;
    QString bankAccount;
    int vatRegistered = 0;
    int preferPayment = 0;
    int defaultPrice = 1;
    QString nameLat;
    QString cityLat;
    QString addressLat;
    QString molLat;
};
