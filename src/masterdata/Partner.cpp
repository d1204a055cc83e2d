#include "masterdata/Partner.h"

#include "db/Database.h"

int GetMaxPartnerId(Database& db) { return db.QueryInt(0, "SELECT MAX(partner_id) FROM partners;"); }

bool PartnerNameExists(Database& db, const QString& name) {
    ResultTable table;
    return !db.Query(table, "SELECT partner_name FROM partners WHERE partner_name = '%q';", name) || !table.Empty();
}

bool InsertPartner(Database& db, Partner& r) {
    if (PartnerNameExists(db, r.name))
        return false;
    const int id = GetMaxPartnerId(db) + 1;
    if (!db.ExecPrintf("INSERT INTO partners VALUES('%d', '%d', '%d', '%q', '%q', '%q', '%q', '%q', '%q', '%q', '%q', "
                       "'%q', '%q', '%q', '%q', '%q', '%q', '%q', '%d', '%d', '%d', '%q', '%q', '%q', '%q');",
                       id, r.isCustomer, r.isSupplier, r.name, r.city, r.address, r.taxId, r.bulstat, r.mol, r.phone,
                       r.fax, r.email, r.url, r.notes, r.bankName, r.bankBranch, r.bankCode, r.bankAccount,
                       r.vatRegistered, r.preferPayment, r.defaultPrice, r.nameLat, r.cityLat, r.addressLat,
                       r.molLat))
        return false;
    r.id = id;
    return true;
}

bool UpdatePartner(Database& db, const Partner& r) {
    return db.ExecPrintf(
        "UPDATE partners SET partner_is_customer = '%d', partner_is_supplier = '%d', partner_name = '%q', "
        "partner_city = '%q', partner_address = '%q', partner_tax_id = '%q', partner_bulstat = '%q', partner_mol = "
        "'%q', partner_phone = '%q', partner_fax = '%q', partner_email = '%q', partner_url = '%q', partner_notes = "
        "'%q', partner_bank_name = '%q', partner_bank_branch = '%q', partner_bank_code = '%q', partner_bank_acc = "
        "'%q', partner_vat_registered = '%d', partner_prefer_payment = '%d', default_price = '%d', partner_name_lat "
        "= '%q', partner_city_lat = '%q', partner_address_lat = '%q', partner_mol_lat = '%q' WHERE partner_id = "
        "'%d';",
        r.isCustomer, r.isSupplier, r.name, r.city, r.address, r.taxId, r.bulstat, r.mol, r.phone, r.fax, r.email,
        r.url, r.notes, r.bankName, r.bankBranch, r.bankCode, r.bankAccount, r.vatRegistered, r.preferPayment,
        r.defaultPrice, r.nameLat, r.cityLat, r.addressLat, r.molLat, r.id);
}

bool LoadPartner(Database& db, int id, Partner& r) {
    ResultTable t;
    if (!db.Query(t, "SELECT * FROM partners WHERE partner_id = '%d';", id))
        return false;
    if (t.Empty() || t.Columns() < 25)
        return false;
    r = PartnerFromRow(t, 1);
    if (r.nameLat.isEmpty())
        r.nameLat = r.name;
    if (r.cityLat.isEmpty())
        r.cityLat = r.city;
    if (r.addressLat.isEmpty())
        r.addressLat = r.address;
    if (r.molLat.isEmpty())
        r.molLat = r.mol;
    return true;
}

Partner PartnerFromRow(const ResultTable& t, int row) {
    Partner r;
    r.id = t.Int(row, 0);
    r.isCustomer = t.Int(row, 1);
    r.isSupplier = t.Int(row, 2);
    QString* texts[] = {&r.name,  &r.city,  &r.address,  &r.taxId, &r.bulstat,    &r.mol,
                        &r.phone, &r.fax,   &r.email,    &r.url,   &r.notes,      &r.bankName,
                        &r.bankBranch, &r.bankCode, &r.bankAccount};
    for (int k = 0; k < 15; ++k)
        *texts[k] = t.Text(row, 3 + k, "");
    r.vatRegistered = t.Int(row, 18);
    r.preferPayment = t.Int(row, 19);
    r.defaultPrice = t.Int(row, 20, 1);
    r.nameLat = t.Text(row, 21, "");
    r.cityLat = t.Text(row, 22, "");
    r.addressLat = t.Text(row, 23, "");
    r.molLat = t.Text(row, 24, "");
    return r;
}

QString GetPartnerName(Database& db, int id) {
    return db.QueryText("-", "SELECT partner_name FROM partners WHERE partner_id = '%d';", id);
}

int GetDocumentPartnerId(Database& db, int docId, int kind) {
    const char* sql = kind == 1 ? "SELECT partner_id FROM stokovi_main WHERE doc_id = '%d';"
                                : "SELECT partner_id FROM invoices_main WHERE doc_id = '%d';";
    return db.QueryInt(0, sql, docId);
}
