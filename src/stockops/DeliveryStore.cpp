#include "stockops/DeliveryStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

namespace {
QString sqlDate(const QDate& date) {
    return date.isValid() ? DateToSql(date) : QString();
}
} // namespace

std::optional<int> DeliveryStore::NextNumber() {
    return NextDocumentNumber(m_db, "supplies_main");
}

std::optional<bool> DeliveryStore::NumberTaken(int number) {
    ResultTable table;
    if (!m_db.Query(table, "SELECT doc_id FROM supplies_main WHERE doc_id = ?;", number))
        return std::nullopt;
    return !table.Empty();
}

bool DeliveryStore::InsertLine(WriteTransaction& t, const Delivery& d, int number, const DeliveryLine& line) {
    return t.ExecPrintf(
        "INSERT INTO supplies_items VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?)",
        number, sqlDate(d.header.docDate), line.seq, line.code, line.name, line.group, line.units,
        SqlDecimal{line.quantity, 3}, SqlDecimal{line.price, 5}, SqlDecimal{line.value, 5}, d.header.invoiceNo);
}

bool DeliveryStore::InsertHeader(WriteTransaction& t, const Delivery& d, int number,
                                 const DeliveryTotals& s) {
    const DeliveryHeader& h = d.header;
    return t.ExecPrintf(
        "INSERT INTO supplies_main VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?)",
        number, sqlDate(h.docDate), h.givenBy, h.receivedBy, h.partnerId, sqlDate(h.payDate), SqlDecimal{h.discount, 2},
        SqlDecimal{s.allSum, 2}, SqlDecimal{s.discountSum, 2}, SqlDecimal{s.taxable, 2}, SqlDecimal{s.vat, 2}, SqlDecimal{s.total, 2}, h.invoiceNo);
}

bool DeliveryStore::InsertSupplier(WriteTransaction& t, const Delivery& d, int number) {
    const SupplierSnapshot& p = d.supplier;
    return t.ExecPrintf(
        "INSERT INTO supplies_partners VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?)",
        number, sqlDate(d.header.docDate), p.name, p.city, p.address, p.mol, p.taxId, p.bulstat, p.bankName,
        p.bankBranch, p.bankCode, p.bankAccount, p.vatRegistered);
}

bool DeliveryStore::InsertFirm(WriteTransaction& t, const Delivery& d, int number) {
    const FirmSnapshot& f = d.firm;
    return t.ExecPrintf(
        "INSERT INTO supplies_firmdata VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?)",
        number, sqlDate(d.header.docDate), f.name, f.city, f.address, f.mol, f.taxId, f.bulstat,
        f.vatRegistered, SqlDecimal{f.vatRate, 2});
}

bool DeliveryStore::UpdateStored(WriteTransaction& t, const Delivery& d) {
    const DeliveryHeader& h = d.header;
    const SupplierSnapshot& p = d.supplier;
    const FirmSnapshot& f = d.firm;
    const QString date = sqlDate(h.docDate);
    return t.ExecPrintf("UPDATE supplies_main SET doc_dt = ?, given_by = ?, received_by = ?, "
                        "partner_id = ?, pay_dt = ?, invoice_no = ? WHERE doc_id = ?",
                        date, h.givenBy, h.receivedBy, h.partnerId, sqlDate(h.payDate), h.invoiceNo,
                        h.docId) &&
           t.ExecPrintf(
               "UPDATE supplies_partners SET doc_dt = ?, partner_name = ?, partner_city = ?, "
               "partner_address = ?, partner_mol = ?, partner_tax_id = ?, partner_bulstat = "
               "?, partner_bank_name = ?, partner_bank_branch = ?, partner_bank_code = ?, "
               "partner_bank_acc = ?, partner_vat_registered = ? WHERE doc_id = ?",
               date, p.name, p.city, p.address, p.mol, p.taxId, p.bulstat, p.bankName, p.bankBranch,
               p.bankCode, p.bankAccount, p.vatRegistered, h.docId) &&
           t.ExecPrintf("UPDATE supplies_firmdata SET doc_dt = ?, firm_name = ?, firm_city = ?, "
                        "firm_address = ?, firm_mol = ?, firm_tax_id = ?, firm_bulstat = ?, "
                        "firm_vat_reg = ?, firm_vat_value = ? WHERE doc_id = ?",
                        date, f.name, f.city, f.address, f.mol, f.taxId, f.bulstat, f.vatRegistered,
                        SqlDecimal{f.vatRate, 2}, h.docId) &&
           t.ExecPrintf("UPDATE supplies_items SET doc_dt = ?, invoice_no = ? WHERE doc_id = ?",
                        date, h.invoiceNo, h.docId);
}

bool DeliveryStore::UpdateStock(WriteTransaction& t, const QString& code, const Deliveries::CostUpdate& u) {
    if (!t.ExecPrintf("UPDATE stocks SET last_price = ?, quantity = ?, cost_price = ? "
                      "WHERE code = ?;",
                      SqlDecimal{u.lastPrice, 5}, SqlDecimal{u.quantity, 3}, SqlDecimal{u.cost, 5}, code))
        return false;
    return t.ChangedRows() == 1 ||
           t.Refuse(QString::asprintf("Артикулът с код %s вече не съществува в номенклатурата.",
                                      qUtf8Printable(code)),
                    MessageIcon::Stop);
}

bool DeliveryStore::Load(int number, Delivery& d) {
    ResultTable header, partner, firm, lines;
    const bool read =
        m_db.Query(header, "SELECT * FROM supplies_main WHERE doc_id = ?;", number) &&
        m_db.Query(partner, "SELECT * FROM supplies_partners WHERE doc_id = ?;", number) &&
        m_db.Query(firm, "SELECT * FROM supplies_firmdata WHERE doc_id = ?;", number) &&
        m_db.Query(
            lines,
            "SELECT doc_id, doc_dt, seq_id, item_code, item_name, item_group, item_units, ROUND(quantity, "
            "3) AS quantity, ROUND(price, ?) AS price, ROUND(end_price, ?) AS end_price FROM supplies_items WHERE doc_id = ? ORDER BY "
            "seq_id ASC;",
            2, 2, number);
    if (!read || header.Empty())
        return false;
    auto text = [](const ResultTable& t, const char* name) { return t.Text(1, t.Column(name), ""); };
    DeliveryHeader& h = d.header;
    h.docId = header.Int(1, header.Column("doc_id"));
    h.docDate = SqlToDate(text(header, "doc_dt"));
    h.givenBy = text(header, "given_by");
    h.receivedBy = text(header, "received_by");
    h.partnerId = header.Int(1, header.Column("partner_id"));
    h.payDate = SqlToDate(text(header, "pay_dt"));
    h.discount = header.Double(1, header.Column("discount"));
    h.invoiceNo = text(header, "invoice_no");
    d.supplier = {text(partner, "partner_name"),
                  text(partner, "partner_city"),
                  text(partner, "partner_address"),
                  text(partner, "partner_mol"),
                  text(partner, "partner_tax_id"),
                  text(partner, "partner_bulstat"),
                  text(partner, "partner_bank_name"),
                  text(partner, "partner_bank_branch"),
                  text(partner, "partner_bank_code"),
                  text(partner, "partner_bank_acc"),
                  partner.Int(1, partner.Column("partner_vat_registered"))};
    d.firm = FirmSnapshot();
    d.firm.name = text(firm, "firm_name");
    d.firm.city = text(firm, "firm_city");
    d.firm.address = text(firm, "firm_address");
    d.firm.mol = text(firm, "firm_mol");
    d.firm.taxId = text(firm, "firm_tax_id");
    d.firm.bulstat = text(firm, "firm_bulstat");
    d.firm.vatRegistered = firm.Int(1, firm.Column("firm_vat_reg"));
    d.firm.vatRate = firm.Double(1, firm.Column("firm_vat_value"));
    d.lines.clear();
    const int seq = lines.Column("seq_id"), code = lines.Column("item_code"),
              name = lines.Column("item_name"), group = lines.Column("item_group"),
              units = lines.Column("item_units"), quantity = lines.Column("quantity"),
              price = lines.Column("price"), value = lines.Column("end_price");
    for (int r = 1; r <= lines.Rows(); ++r)
        d.lines.push_back({lines.Int(r, seq), lines.Text(r, code), lines.Text(r, name), lines.Int(r, group),
                           lines.Text(r, units), lines.Double(r, quantity), lines.Double(r, price),
                           lines.Double(r, value)});
    return true;
}

std::optional<StockMoves> DeliveryStore::DeliveredQuantities(int number) {
    return ItemStore::ReadMoves(
        m_db, SqlCompose("SELECT item_code, quantity FROM supplies_items WHERE doc_id = ?;", {number}));
}

bool DeliveryStore::Delete(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows({"supplies_main", "supplies_partners", "supplies_firmdata", "supplies_items"}, number);
}
