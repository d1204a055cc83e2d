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
    r.id = t.Int(1, 0);
    r.isCustomer = t.Int(1, 1);
    r.isSupplier = t.Int(1, 2);
    QString* texts[] = {&r.name,  &r.city,  &r.address, &r.taxId,    &r.bulstat,    &r.mol,
                        &r.phone, &r.fax,   &r.email,   &r.url,      &r.notes,      &r.bankName,
                        &r.bankBranch, &r.bankCode, &r.bankAccount};
    for (int k = 0; k < 15; ++k)
        *texts[k] = t.Text(1, 3 + k, "");
    r.vatRegistered = t.Int(1, 18);
    r.preferPayment = t.Int(1, 19);
    r.defaultPrice = t.Int(1, 20, 1);
    r.nameLat = t.Text(1, 21, "");
    r.cityLat = t.Text(1, 22, "");
    r.addressLat = t.Text(1, 23, "");
    r.molLat = t.Text(1, 24, "");
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

QString GetPartnerName(Database& db, int id) {
    return db.QueryText("-", "SELECT partner_name FROM partners WHERE partner_id = '%d';", id);
}

int GetDocumentPartnerId(Database& db, int docId, int kind) {
    const char* sql = kind == 1 ? "SELECT partner_id FROM stokovi_main WHERE doc_id = '%d';"
                                : "SELECT partner_id FROM invoices_main WHERE doc_id = '%d';";
    return db.QueryInt(0, sql, docId);
}
