#include "stockops/DeliveryStore.h"

#include "db/Database.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

namespace {
QString sqlDate(const QDate& date) {
    return date.isValid() ? DateToSql(date) : QString();
}
} // namespace

int DeliveryStore::NextNumber() {
    return m_db.QueryInt(0, "SELECT MAX(doc_id) FROM supplies_main;") + 1;
}

std::optional<bool> DeliveryStore::NumberTaken(int number) {
    ResultTable table;
    if (!m_db.Query(table, "SELECT doc_id FROM supplies_main WHERE doc_id = '%d';", number))
        return std::nullopt;
    return !table.Empty();
}

bool DeliveryStore::InsertLine(WriteTransaction& t, const Delivery& d, int number, const DeliveryLine& line) {
    return t.ExecPrintf(
        "INSERT INTO supplies_items VALUES ('%d', '%s', '%d', '%q', '%q', '%d', '%q', '%.3f', "
        "'%.5f', '%.5f', '%q')",
        number, sqlDate(d.header.docDate), line.seq, line.code, line.name, line.group, line.units,
        line.quantity, line.price, line.value, d.header.invoiceNo);
}

bool DeliveryStore::InsertHeader(WriteTransaction& t, const Delivery& d, int number,
                                 const DeliveryTotals& s) {
    const DeliveryHeader& h = d.header;
    return t.ExecPrintf(
        "INSERT INTO supplies_main VALUES ('%d', '%s', '%q', '%q', '%d', '%s', '%.2f', '%.2f', "
        "'%.2f', '%.2f', '%.2f', '%.2f', '%q')",
        number, sqlDate(h.docDate), h.givenBy, h.receivedBy, h.partnerId, sqlDate(h.payDate), h.discount,
        s.allSum, s.discountSum, s.taxable, s.vat, s.total, h.invoiceNo);
}

bool DeliveryStore::InsertSupplier(WriteTransaction& t, const Delivery& d, int number) {
    const SupplierSnapshot& p = d.supplier;
    return t.ExecPrintf(
        "INSERT INTO supplies_partners VALUES ('%d', '%s', '%q', '%q', '%q', '%q', '%q', '%q', "
        "'%q', '%q', '%q', '%q', '%d')",
        number, sqlDate(d.header.docDate), p.name, p.city, p.address, p.mol, p.taxId, p.bulstat, p.bankName,
        p.bankBranch, p.bankCode, p.bankAccount, p.vatRegistered);
}

bool DeliveryStore::InsertFirm(WriteTransaction& t, const Delivery& d, int number) {
    const FirmSnapshot& f = d.firm;
    return t.ExecPrintf(
        "INSERT INTO supplies_firmdata VALUES ('%d', '%s', '%q', '%q', '%q', '%q', '%q', '%q', "
        "'%d', '%.2f')",
        number, sqlDate(d.header.docDate), f.name, f.city, f.address, f.mol, f.taxId, f.bulstat,
        f.vatRegistered, f.vatRate);
}

bool DeliveryStore::UpdateStored(WriteTransaction& t, const Delivery& d) {
    const DeliveryHeader& h = d.header;
    const SupplierSnapshot& p = d.supplier;
    const FirmSnapshot& f = d.firm;
    const QString date = sqlDate(h.docDate);
    return t.ExecPrintf("UPDATE supplies_main SET doc_dt = '%s', given_by = '%q', received_by = '%q', "
                        "partner_id = '%d', pay_dt = '%s', invoice_no = '%q' WHERE doc_id = '%d'",
                        date, h.givenBy, h.receivedBy, h.partnerId, sqlDate(h.payDate), h.invoiceNo,
                        h.docId) &&
           t.ExecPrintf(
               "UPDATE supplies_partners SET doc_dt = '%s', partner_name = '%q', partner_city = '%q', "
               "partner_address = '%q', partner_mol = '%q', partner_tax_id = '%q', partner_bulstat = "
               "'%q', partner_bank_name = '%q', partner_bank_branch = '%q', partner_bank_code = '%q', "
               "partner_bank_acc = '%q', partner_vat_registered = '%d' WHERE doc_id = '%d'",
               date, p.name, p.city, p.address, p.mol, p.taxId, p.bulstat, p.bankName, p.bankBranch,
               p.bankCode, p.bankAccount, p.vatRegistered, h.docId) &&
           t.ExecPrintf("UPDATE supplies_firmdata SET doc_dt = '%s', firm_name = '%q', firm_city = '%q', "
                        "firm_address = '%q', firm_mol = '%q', firm_tax_id = '%q', firm_bulstat = '%q', "
                        "firm_vat_reg = '%d', firm_vat_value = '%.2f' WHERE doc_id = '%d'",
                        date, f.name, f.city, f.address, f.mol, f.taxId, f.bulstat, f.vatRegistered,
                        f.vatRate, h.docId) &&
           t.ExecPrintf("UPDATE supplies_items SET doc_dt = '%s', invoice_no = '%q' WHERE doc_id = '%d'",
                        date, h.invoiceNo, h.docId);
}

bool DeliveryStore::UpdateStock(WriteTransaction& t, const QString& code, const Deliveries::CostUpdate& u) {
    if (!t.ExecPrintf("UPDATE stocks SET [last_price] = '%.5f', [quantity] = '%.3f', [cost_price] = '%.5f' "
                      "WHERE code = '%q';",
                      u.lastPrice, u.quantity, u.cost, code))
        return false;
    const std::optional<int> changed = t.ChangedRows();
    if (!changed)
        return false;
    return *changed == 1 ||
           t.Refuse(QString::asprintf("Артикулът с код %s вече не съществува в номенклатурата.",
                                      qUtf8Printable(code)),
                    MessageIcon::Stop);
}

bool DeliveryStore::Load(int number, Delivery& d) {
    ResultTable header, partner, firm, lines;
    const bool read =
        m_db.Query(header, "SELECT * FROM supplies_main WHERE doc_id = '%d';", number) &&
        m_db.Query(partner, "SELECT * FROM supplies_partners WHERE doc_id = '%d';", number) &&
        m_db.Query(firm, "SELECT * FROM supplies_firmdata WHERE doc_id = '%d';", number) &&
        m_db.Query(
            lines,
            "SELECT doc_id, doc_dt, seq_id, item_code, item_name, item_group, item_units, ROUND(quantity, "
            "3), ROUND(price, %d), ROUND(end_price, %d) FROM supplies_items WHERE doc_id = '%d' ORDER BY "
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
