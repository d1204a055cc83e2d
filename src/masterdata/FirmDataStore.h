#pragma once

#include "masterdata/FirmData.h"

class Database;
class WriteTransaction;

// The statements of `firmdata`, the one row of the firm's own data.
class FirmDataStore {
public:
    explicit FirmDataStore(Database& db) : m_db(db) {}

    // Reads the first row; the record stays cleared when there is none.
    // False only when the read failed (and was reported).
    bool Load(FirmData& record);
    // The firm's VAT registration; 0 when missing or unreadable.
    int VatRegistered();
    // The VAT rate in percent; 20 when missing, NULL or unreadable.
    double VatRate();
    // Writes the record as the firm's only row.
    bool Replace(WriteTransaction& t, const FirmData& record);

private:
    Database& m_db;
};
