#include "masterdata/FirmDataStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

bool FirmDataStore::Load(FirmData& record) {
    record = FirmData();
    ResultTable table;
    if (!m_db.Query(table, "SELECT firm_name, firm_name_lat, city, city_lat, address, address_lat, mol, mol_lat, "
                           "tax_id, bulstat, vat_registered, vat_value FROM firmdata;"))
        return false;
    if (table.Empty())
        return true;
    record.firmName = table.Text(1, 0, "");
    record.firmNameLat = table.Text(1, 1, "");
    record.city = table.Text(1, 2, "");
    record.cityLat = table.Text(1, 3, "");
    record.address = table.Text(1, 4, "");
    record.addressLat = table.Text(1, 5, "");
    record.mol = table.Text(1, 6, "");
    record.molLat = table.Text(1, 7, "");
    record.taxId = table.Text(1, 8, "");
    record.bulstat = table.Text(1, 9, "");
    record.vatRegistered = table.Int(1, 10);
    record.vatValue = table.Double(1, 11, 20.0);
    return true;
}

int FirmDataStore::VatRegistered() {
    return m_db.QueryInt(0, "SELECT vat_registered FROM firmdata;");
}

double FirmDataStore::VatRate() {
    return m_db.QueryDouble(20, "SELECT vat_value FROM firmdata;");
}

bool FirmDataStore::Replace(WriteTransaction& t, const FirmData& r) {
    return t.Exec("DELETE FROM firmdata;") &&
           t.ExecPrintf("INSERT INTO firmdata VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);", r.firmName, r.firmNameLat,
                        r.city, r.cityLat, r.address, r.addressLat, r.mol, r.molLat, r.taxId, r.bulstat,
                        r.vatRegistered, SqlDecimal{r.vatValue, 2});
}
