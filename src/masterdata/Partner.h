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

class ResultTable;

// Reads `partners` rows by column name: the names are resolved once for the
// result, then each row is read by position.
class PartnerRowMapper {
public:
    explicit PartnerRowMapper(const ResultTable& table);
    // The record of data row r, as stored.
    Partner Read(int row) const;

private:
    const ResultTable& m_table;
    int m_id, m_customer, m_supplier, m_name, m_city, m_address, m_taxId, m_bulstat, m_mol, m_phone, m_fax,
        m_email, m_url, m_notes, m_bankName, m_bankBranch, m_bankCode, m_bankAccount, m_vatRegistered,
        m_preferPayment, m_defaultPrice, m_nameLat, m_cityLat, m_addressLat, m_molLat;
};

// 0 when there are no partners or the read failed.
int GetMaxPartnerId(Database& db);
// True when the name is taken, and also when the read failed.
bool PartnerNameExists(Database& db, const QString& name);
// Refuses a name in use; gives the record the next free id. The check, the
// numbering and the insert hold one write lock, so two seats saving the same
// name or at the same moment never collide.
bool InsertPartner(Database& db, Partner& record);
bool UpdatePartner(Database& db, const Partner& record);
// True when found; empty Latin fields take their Cyrillic twins.
bool LoadPartner(Database& db, int id, Partner& record);

// "-" when missing or unreadable.
QString GetPartnerName(Database& db, int id);

// The partner of a goods note (kind 1) or an invoice (kind 2); 0 when missing.
int GetDocumentPartnerId(Database& db, int docId, int kind);
