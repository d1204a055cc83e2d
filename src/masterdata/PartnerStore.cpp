#include "masterdata/PartnerStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

namespace {

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

PartnerRowMapper::PartnerRowMapper(const ResultTable& t)
    : m_table(t), m_id(t.Column("partner_id")), m_customer(t.Column("partner_is_customer")),
      m_supplier(t.Column("partner_is_supplier")), m_name(t.Column("partner_name")),
      m_city(t.Column("partner_city")), m_address(t.Column("partner_address")),
      m_taxId(t.Column("partner_tax_id")), m_bulstat(t.Column("partner_bulstat")),
      m_mol(t.Column("partner_mol")), m_phone(t.Column("partner_phone")), m_fax(t.Column("partner_fax")),
      m_email(t.Column("partner_email")), m_url(t.Column("partner_url")), m_notes(t.Column("partner_notes")),
      m_bankName(t.Column("partner_bank_name")), m_bankBranch(t.Column("partner_bank_branch")),
      m_bankCode(t.Column("partner_bank_code")), m_bankAccount(t.Column("partner_bank_acc")),
      m_vatRegistered(t.Column("partner_vat_registered")),
      m_preferPayment(t.Column("partner_prefer_payment")), m_defaultPrice(t.Column("default_price")),
      m_nameLat(t.Column("partner_name_lat")), m_cityLat(t.Column("partner_city_lat")),
      m_addressLat(t.Column("partner_address_lat")), m_molLat(t.Column("partner_mol_lat")) {}

Partner PartnerRowMapper::Read(int row) const {
    const ResultTable& t = m_table;
    Partner r;
    r.id = t.Int(row, m_id);
    r.isCustomer = t.Int(row, m_customer);
    r.isSupplier = t.Int(row, m_supplier);
    r.name = t.Text(row, m_name, "");
    r.city = t.Text(row, m_city, "");
    r.address = t.Text(row, m_address, "");
    r.taxId = t.Text(row, m_taxId, "");
    r.bulstat = t.Text(row, m_bulstat, "");
    r.mol = t.Text(row, m_mol, "");
    r.phone = t.Text(row, m_phone, "");
    r.fax = t.Text(row, m_fax, "");
    r.email = t.Text(row, m_email, "");
    r.url = t.Text(row, m_url, "");
    r.notes = t.Text(row, m_notes, "");
    r.bankName = t.Text(row, m_bankName, "");
    r.bankBranch = t.Text(row, m_bankBranch, "");
    r.bankCode = t.Text(row, m_bankCode, "");
    r.bankAccount = t.Text(row, m_bankAccount, "");
    r.vatRegistered = t.Int(row, m_vatRegistered);
    r.preferPayment = t.Int(row, m_preferPayment);
    r.defaultPrice = t.Int(row, m_defaultPrice, 1);
    r.nameLat = t.Text(row, m_nameLat, "");
    r.cityLat = t.Text(row, m_cityLat, "");
    r.addressLat = t.Text(row, m_addressLat, "");
    r.molLat = t.Text(row, m_molLat, "");
    return r;
}

} // namespace

int PartnerStore::MaxId() {
    return m_db.QueryInt(0, "SELECT MAX(partner_id) FROM partners;");
}

bool PartnerStore::NameExists(const QString& name) {
    ResultTable table;
    return !m_db.Query(table, "SELECT partner_name FROM partners WHERE partner_name = ?;", name) ||
           !table.Empty();
}

// The notes' declared type MEMO has numeric affinity in SQLite 3, which
// would store a note "0123" as the number 123: they are stored verbatim.
bool PartnerStore::Insert(Partner& r) {
    WriteTransaction t(m_db);
    if (!t.Begin() || NameExists(r.name))
        return false;
    const int id = MaxId() + 1;
    if (!t.ExecPrintf("INSERT INTO partners VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                      "?, ?, %s, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                      id, r.isCustomer, r.isSupplier, r.name, r.city, r.address, r.taxId, r.bulstat, r.mol,
                      r.phone, r.fax, r.email, r.url, m_db.Dialect().VerbatimText(r.notes), r.bankName, r.bankBranch, r.bankCode,
                      r.bankAccount, r.vatRegistered, r.preferPayment, r.defaultPrice, r.nameLat, r.cityLat,
                      r.addressLat, r.molLat) ||
        !t.Commit())
        return false;
    r.id = id;
    return true;
}

bool PartnerStore::Update(const Partner& r) {
    return m_db.ExecPrintf(
        "UPDATE partners SET partner_is_customer = ?, partner_is_supplier = ?, partner_name = ?, "
        "partner_city = ?, partner_address = ?, partner_tax_id = ?, partner_bulstat = ?, "
        "partner_mol = "
        "?, partner_phone = ?, partner_fax = ?, partner_email = ?, partner_url = ?, "
        "partner_notes = "
        "%s, partner_bank_name = ?, partner_bank_branch = ?, partner_bank_code = ?, "
        "partner_bank_acc = "
        "?, partner_vat_registered = ?, partner_prefer_payment = ?, default_price = ?, "
        "partner_name_lat "
        "= ?, partner_city_lat = ?, partner_address_lat = ?, partner_mol_lat = ? WHERE "
        "partner_id = "
        "?;",
        r.isCustomer, r.isSupplier, r.name, r.city, r.address, r.taxId, r.bulstat, r.mol, r.phone, r.fax,
        r.email, r.url, m_db.Dialect().VerbatimText(r.notes), r.bankName, r.bankBranch, r.bankCode, r.bankAccount,
        r.vatRegistered,
        r.preferPayment, r.defaultPrice, r.nameLat, r.cityLat, r.addressLat, r.molLat, r.id);
}

bool PartnerStore::Load(int id, Partner& r) {
    ResultTable t;
    if (!m_db.Query(t, "SELECT * FROM partners WHERE partner_id = ?;", id))
        return false;
    if (t.Empty())
        return false;
    r = PartnerRowMapper(t).Read(1);
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

std::optional<QString> PartnerStore::Name(int id) {
    ResultTable t;
    if (!m_db.Query(t, "SELECT partner_name FROM partners WHERE partner_id = ?;", id) || t.Empty())
        return std::nullopt;
    return t.Text(1, t.Column("partner_name"));
}

int PartnerStore::DocumentPartnerId(int docId, int kind) {
    const char* sql = kind == 1 ? "SELECT partner_id FROM stokovi_main WHERE doc_id = ?;"
                                : "SELECT partner_id FROM invoices_main WHERE doc_id = ?;";
    return m_db.QueryInt(0, sql, docId);
}

bool PartnerStore::Names(QStringList& names) {
    names.clear();
    ResultTable table;
    if (!m_db.Query(table, "SELECT partner_name FROM partners;"))
        return false;
    for (int r = 1; r <= table.Rows(); ++r)
        names << table.Text(r, 0);
    return true;
}

bool PartnerStore::List(PartnerTab tab, std::vector<Partner>& out) {
    out.clear();
    const char* where = tab == PartnerTab::Customers   ? " WHERE partner_is_customer = '1'"
                        : tab == PartnerTab::Suppliers ? " WHERE partner_is_supplier = '1'"
                                                       : "";
    ResultTable table;
    if (!m_db.Query(table, "SELECT * FROM partners %s ORDER BY partner_name ASC;", SqlStatement(where)))
        return false;
    const PartnerRowMapper rows(table);
    out.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r)
        out.push_back(rows.Read(r));
    return true;
}

std::optional<bool> PartnerStore::InUse(int id) {
    ResultTable table;
    if (!m_db.Query(table,
                    "SELECT (SELECT COUNT(*) FROM stokovi_main WHERE partner_id = ?) + "
                    "(SELECT COUNT(*) FROM supplies_main WHERE partner_id = ?) + "
                    "(SELECT COUNT(*) FROM cash_register WHERE partner_id = ?) AS documents;",
                    id, id, id) ||
        table.Empty())
        return std::nullopt;
    return table.Int(1, 0) > 0;
}

bool PartnerStore::Delete(WriteTransaction& t, int id) {
    return t.ExecPrintf("DELETE FROM partners WHERE partner_id = ?;", id);
}
