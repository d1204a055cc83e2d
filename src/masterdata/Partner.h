#pragma once

#include <QString>

class Database;

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

// 0 when there are no partners or the read failed.
int GetMaxPartnerId(Database& db);
// True when the name is taken, and also when the read failed.
bool PartnerNameExists(Database& db, const QString& name);
// Refuses a name in use; gives the record the next free id.
bool InsertPartner(Database& db, Partner& record);
bool UpdatePartner(Database& db, const Partner& record);
// True when found; empty Latin fields take their Cyrillic twins.
bool LoadPartner(Database& db, int id, Partner& record);
// The record of row r of a "SELECT * FROM partners" result, as stored.
class ResultTable;
Partner PartnerFromRow(const ResultTable& table, int row);

// "-" when missing or unreadable.
QString GetPartnerName(Database& db, int id);

// The partner of a goods note (kind 1) or an invoice (kind 2); 0 when missing.
int GetDocumentPartnerId(Database& db, int docId, int kind);
