#include "masterdata/FirmData.h"

#include "db/Database.h"

bool FirmData::IsComplete() const {
    if (firmName.isEmpty() || city.isEmpty() || address.isEmpty() || mol.isEmpty())
        return false;
    if (taxId.isEmpty() && vatRegistered == 0)
        return false;
    return !bulstat.isEmpty() || vatRegistered != 1;
}

bool LoadFirmData(Database& db, FirmData& record) {
    record = FirmData();
    ResultTable table;
    if (!db.Query(table, "SELECT * FROM firmdata;"))
        return false;
    if (table.Empty() || table.Columns() < 12)
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

int IsVatRegistered(Database& db) {
    return db.QueryInt(0, "SELECT vat_registered FROM firmdata;");
}

double GetVatRate(Database& db) {
    return db.QueryDouble(20, "SELECT vat_value FROM firmdata;");
}
