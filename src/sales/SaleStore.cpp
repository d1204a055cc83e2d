#include "sales/SaleStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

namespace {

QString sqlDate(const QDate& date) {
    return date.isValid() ? DateToSql(date) : QString();
}

// The snapshot statements of one family.
struct FamilyStatements {
    const char* insertPartner;
    const char* insertFirm;
    const char* updateHeader;
    const char* updatePartner;
    const char* updateFirm;
    const char* updateLineDates;
};

const FamilyStatements& statementsOf(SaleFamily family) {
    static const FamilyStatements goodsNotes{
        "INSERT INTO stokovi_partners VALUES(?, ?, ?, ?, ?, ?, ?, ?);",
        "INSERT INTO stokovi_firmdata VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?);",
        "UPDATE stokovi_main SET doc_dt = ?, given_by = ?, received_by = ?, compiled_by = ?, "
        "transported_by = ?, partner_id = ?, osnovanie = ?, place = ?, object = ?, recv_dt = "
        "?, "
        "pay_dt = ?, pay_by = ?, slovom = ?, tax_event_dt = ?, osnovanie_vat = ?, "
        "new_vehicle = ? WHERE doc_id = ?",
        "UPDATE stokovi_partners SET doc_dt = ?, partner_name = ?, partner_city = ?, "
        "partner_address = "
        "?, partner_mol = ?, partner_tax_id = ?, partner_bulstat = ? WHERE doc_id = ?",
        "UPDATE stokovi_firmdata SET doc_dt = ?, firm_name = ?, firm_city = ?, firm_address = ?, "
        "firm_mol = ?, firm_tax_id = ?, firm_bulstat = ?, firm_bank_id = ? WHERE doc_id = ?",
        "UPDATE stokovi_items SET doc_dt = ? WHERE doc_id = ?"};
    static const FamilyStatements invoices{
        "INSERT INTO invoices_partners VALUES(?, ?, ?, ?, ?, ?, ?, ?);",
        "INSERT INTO invoices_firmdata VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?);",
        // An invoice and a note are told apart by their type, also when old
        // data gave them one number.
        "UPDATE invoices_main SET doc_dt = ?, given_by = ?, received_by = ?, compiled_by = ?, "
        "transported_by = ?, partner_id = ?, osnovanie = ?, place = ?, object = ?, recv_dt = "
        "?, "
        "pay_dt = ?, pay_by = ?, slovom = ?, tax_event_dt = ?, osnovanie_vat = ?, "
        "new_vehicle = ? WHERE doc_id = ? AND doc_type = ?",
        "UPDATE invoices_partners SET doc_dt = ?, partner_name = ?, partner_city = ?, "
        "partner_address = "
        "?, partner_mol = ?, partner_tax_id = ?, partner_bulstat = ? WHERE doc_id = ?",
        "UPDATE invoices_firmdata SET doc_dt = ?, firm_name = ?, firm_city = ?, firm_address = "
        "?, "
        "firm_mol = ?, firm_tax_id = ?, firm_bulstat = ?, firm_bank_id = ? WHERE doc_id = ?",
        "UPDATE invoices_items SET doc_dt = ? WHERE doc_id = ?"};
    static const FamilyStatements proformas{
        "INSERT INTO proforms_partners VALUES(?, ?, ?, ?, ?, ?, ?, ?);",
        "INSERT INTO proforms_firmdata VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?);",
        "UPDATE proforms_main SET doc_dt = ?, given_by = ?, received_by = ?, compiled_by = ?, "
        "transported_by = ?, partner_id = ?, osnovanie = ?, place = ?, object = ?, recv_dt = "
        "?, "
        "pay_dt = ?, pay_by = ?, slovom = ?, tax_event_dt = ?, osnovanie_vat = ?, "
        "new_vehicle = ? WHERE doc_id = ?",
        "UPDATE proforms_partners SET doc_dt = ?, partner_name = ?, partner_city = ?, "
        "partner_address = "
        "?, partner_mol = ?, partner_tax_id = ?, partner_bulstat = ? WHERE doc_id = ?",
        "UPDATE proforms_firmdata SET doc_dt = ?, firm_name = ?, firm_city = ?, firm_address = "
        "?, "
        "firm_mol = ?, firm_tax_id = ?, firm_bulstat = ?, firm_bank_id = ? WHERE doc_id = ?",
        "UPDATE proforms_items SET doc_dt = ? WHERE doc_id = ?"};
    switch (family) {
    case SaleFamily::GoodsNotes:
        return goodsNotes;
    case SaleFamily::Proformas:
        return proformas;
    case SaleFamily::Invoices:
        break;
    }
    return invoices;
}

// Reads a header row by column name; amounts as stored or as their ABS().
void readHeader(const ResultTable& t, SaleHeader& h) {
    auto text = [&](const char* name) { return t.Text(1, t.Column(name), ""); };
    auto number = [&](const char* name) { return t.Double(1, t.Column(name)); };
    h.docId = t.Int(1, t.Column("doc_id"));
    h.docDate = SqlToDate(text("doc_dt"));
    h.givenBy = text("given_by");
    h.receivedBy = text("received_by");
    h.compiledBy = text("compiled_by");
    h.transportedBy = text("transported_by");
    h.partnerId = t.Int(1, t.Column("partner_id"));
    h.osnovanie = text("osnovanie");
    h.place = text("place");
    h.object = text("object");
    h.recvDate = SqlToDate(text("recv_dt"));
    h.payDate = SqlToDate(text("pay_dt"));
    h.payBy = t.Int(1, t.Column("pay_by"));
    h.discount = number("discount");
    h.slovom = text("slovom");
    h.taxEventDate = SqlToDate(text("tax_event_dt"));
    h.osnovanieVat = text("osnovanie_vat");
    h.newVehicle = text("new_vehicle");
    // Only invoices refer to another one; a goods note of a file not yet
    // upgraded has no kind.
    h.docType = t.Int(1, t.OptionalColumn("doc_type"));
    h.toInvoice = t.Int(1, t.OptionalColumn("to_invoice"));
    h.toInvoiceDate = t.Text(1, t.OptionalColumn("to_invoice_dt"), "");
}

} // namespace

std::optional<int> SaleStore::NextNumber(SaleFamily family) {
    return NextDocumentNumber(m_db, family == SaleFamily::GoodsNotes  ? "stokovi_main"
                                    : family == SaleFamily::Proformas ? "proforms_main"
                                                                      : "invoices_main");
}

std::optional<bool> SaleStore::NumberTaken(SaleFamily family, int number) {
    const char* sql = family == SaleFamily::GoodsNotes ? "SELECT doc_id FROM stokovi_main WHERE doc_id = ?;"
                      : family == SaleFamily::Proformas
                          ? "SELECT doc_id FROM proforms_main WHERE doc_id = ?;"
                          : "SELECT doc_id FROM invoices_main WHERE doc_id = ?;";
    ResultTable table;
    if (!m_db.Query(table, sql, number))
        return std::nullopt;
    return !table.Empty();
}

bool SaleStore::InsertGoodsNote(WriteTransaction& t, const SaleDocument& doc, int number, int invoiceId,
                                const StoredTotals& s) {
    const SaleHeader& h = doc.header;
    return t.ExecPrintf("INSERT INTO stokovi_main VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?);",
                        number, sqlDate(h.docDate), h.givenBy, h.receivedBy, h.compiledBy, h.transportedBy,
                        h.partnerId, h.osnovanie, h.place, h.object, sqlDate(h.recvDate), sqlDate(h.payDate),
                        h.payBy, SqlDecimal{h.discount, 2}, h.slovom, invoiceId != 0 ? 1 : 0, invoiceId,
                        SqlDecimal{s.allSum, 2}, SqlDecimal{s.discountSum, 2}, SqlDecimal{s.base, 2},
                        SqlDecimal{s.vat, 2}, SqlDecimal{s.total, 2}, sqlDate(h.taxEventDate), h.osnovanieVat,
                        h.newVehicle, SaleOps::DocTypeOf(doc.op));
}

bool SaleStore::InsertInvoice(WriteTransaction& t, const SaleDocument& doc, int number,
                              const StoredTotals& s) {
    const SaleHeader& h = doc.header;
    return t.ExecPrintf("INSERT INTO invoices_main VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?);",
                        number, sqlDate(h.docDate), h.givenBy, h.receivedBy, h.compiledBy, h.transportedBy,
                        h.partnerId, h.osnovanie, h.place, h.object, sqlDate(h.recvDate), sqlDate(h.payDate),
                        h.payBy, SqlDecimal{h.discount, 2}, h.slovom, SqlDecimal{s.allSum, 2},
                        SqlDecimal{s.discountSum, 2}, SqlDecimal{s.base, 2}, SqlDecimal{s.vat, 2},
                        SqlDecimal{s.total, 2}, sqlDate(h.taxEventDate), h.osnovanieVat, h.newVehicle,
                        SaleOps::DocTypeOf(doc.op), h.toInvoice, h.toInvoiceDate);
}

bool SaleStore::InsertProforma(WriteTransaction& t, const SaleDocument& doc, int number,
                               const StoredTotals& s) {
    const SaleHeader& h = doc.header;
    return t.ExecPrintf("INSERT INTO proforms_main VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?);",
                        number, sqlDate(h.docDate), h.givenBy, h.receivedBy, h.compiledBy, h.transportedBy,
                        h.partnerId, h.osnovanie, h.place, h.object, sqlDate(h.recvDate), sqlDate(h.payDate),
                        h.payBy, SqlDecimal{h.discount, 2}, h.slovom, 0, 0, SqlDecimal{s.allSum, 2},
                        SqlDecimal{s.discountSum, 2}, SqlDecimal{s.base, 2}, SqlDecimal{s.vat, 2},
                        SqlDecimal{s.total, 2}, sqlDate(h.taxEventDate), h.osnovanieVat, h.newVehicle);
}

bool SaleStore::InsertSnapshots(WriteTransaction& t, SaleFamily family, const SaleDocument& doc, int number) {
    const FamilyStatements& sql = statementsOf(family);
    const QString date = sqlDate(doc.header.docDate);
    const CustomerSnapshot& c = doc.customer;
    const FirmSnapshot& f = doc.firm;
    return t.ExecPrintf(sql.insertPartner, number, date, c.name, c.city, c.address, c.mol, c.taxId,
                        c.bulstat) &&
           t.ExecPrintf(sql.insertFirm, number, date, f.name, f.city, f.address, f.mol, f.taxId, f.bulstat,
                        f.vatRegistered, SqlDecimal{f.vatRate, 2}, f.bankId);
}

bool SaleStore::InsertGoodsNoteLine(WriteTransaction& t, int number, const QDate& date, const StoredLine& s,
                                    int invoiceId) {
    const SaleLine& l = *s.line;
    return t.ExecPrintf("INSERT INTO stokovi_items VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?);",
                        number, sqlDate(date), l.seq, l.selPrice, l.code, l.name, s.group, l.units,
                        SqlDecimal{s.quantity, 3}, SqlDecimal{s.price, 5}, SqlDecimal{s.value, 5}, l.visCode,
                        invoiceId != 0 ? 1 : 0, invoiceId, SqlDecimal{s.costPrice, 5});
}

bool SaleStore::InsertInvoiceLine(WriteTransaction& t, int number, const QDate& date, const StoredLine& s) {
    const SaleLine& l = *s.line;
    return t.ExecPrintf("INSERT INTO invoices_items VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?);",
                        number, sqlDate(date), l.seq, l.selPrice, l.code, l.name, s.group, l.units,
                        SqlDecimal{s.quantity, 3}, SqlDecimal{s.price, 5}, SqlDecimal{s.value, 5}, l.visCode,
                        SqlDecimal{s.costPrice, 5});
}

bool SaleStore::InsertProformaLine(WriteTransaction& t, int number, const QDate& date, const StoredLine& s) {
    const SaleLine& l = *s.line;
    return t.ExecPrintf("INSERT INTO proforms_items VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?);",
                        number, sqlDate(date), l.seq, l.selPrice, l.code, l.name, s.group, l.units,
                        SqlDecimal{s.quantity, 3}, SqlDecimal{s.price, 5}, SqlDecimal{s.value, 5});
}

bool SaleStore::InsertSoldMaterial(WriteTransaction& t, int number, const QDate& date, int customerId,
                                   int group, const QString& soldCode, const QString& component,
                                   double quantity, double cost, double total) {
    return t.ExecPrintf("INSERT INTO soldmat VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?);", number, sqlDate(date),
                        customerId, group, soldCode, component, SqlDecimal{quantity, 3}, SqlDecimal{cost, 5},
                        SqlDecimal{total, 5});
}

bool SaleStore::RewriteStored(WriteTransaction& t, SaleFamily family, const SaleDocument& doc) {
    const FamilyStatements& sql = statementsOf(family);
    const SaleHeader& h = doc.header;
    const QString date = sqlDate(h.docDate);
    const CustomerSnapshot& c = doc.customer;
    const FirmSnapshot& f = doc.firm;
    const bool header =
        family == SaleFamily::Invoices
            ? t.ExecPrintf(sql.updateHeader, date, h.givenBy, h.receivedBy, h.compiledBy, h.transportedBy,
                           h.partnerId, h.osnovanie, h.place, h.object, sqlDate(h.recvDate),
                           sqlDate(h.payDate), h.payBy, h.slovom, sqlDate(h.taxEventDate), h.osnovanieVat,
                           h.newVehicle, h.docId, SaleOps::DocTypeOf(doc.op))
            : t.ExecPrintf(sql.updateHeader, date, h.givenBy, h.receivedBy, h.compiledBy, h.transportedBy,
                           h.partnerId, h.osnovanie, h.place, h.object, sqlDate(h.recvDate),
                           sqlDate(h.payDate), h.payBy, h.slovom, sqlDate(h.taxEventDate), h.osnovanieVat,
                           h.newVehicle, h.docId);
    return header &&
           t.ExecPrintf(sql.updatePartner, date, c.name, c.city, c.address, c.mol, c.taxId, c.bulstat,
                        h.docId) &&
           t.ExecPrintf(sql.updateFirm, date, f.name, f.city, f.address, f.mol, f.taxId, f.bulstat, f.bankId,
                        h.docId) &&
           t.ExecPrintf(sql.updateLineDates, date, h.docId) &&
           (family != SaleFamily::GoodsNotes ||
            t.ExecPrintf("UPDATE soldmat SET doc_dt = ?, customer_id = ? WHERE doc_id = ?", date, h.partnerId,
                         h.docId));
}

double SaleStore::StoredTotal(SaleFamily family, int number) {
    return m_db.QueryDouble(0,
                            family == SaleFamily::Proformas
                                ? "SELECT total_sum FROM proforms_main WHERE doc_id = ?;"
                                : "SELECT total_sum FROM stokovi_main WHERE doc_id = ?;",
                            number);
}

int SaleStore::InvoicedWith(SaleFamily family, int number) {
    return m_db.QueryInt(0,
                         family == SaleFamily::Proformas
                             ? "SELECT invoice_id FROM proforms_main WHERE doc_id = ? AND invoiced = '1';"
                             : "SELECT invoice_id FROM stokovi_main WHERE doc_id = ? AND invoiced = '1';",
                         number);
}

bool SaleStore::Load(SaleFamily family, int number, SaleDocument& doc, bool notInvoicedOnly) {
    ResultTable header, partner, firm, lines;
    bool read = false;
    switch (family) {
    case SaleFamily::GoodsNotes:
        read = m_db.Query(header, "SELECT * FROM stokovi_main WHERE doc_id = ?;", number) &&
               m_db.Query(partner, "SELECT * FROM stokovi_partners WHERE doc_id = ?;", number) &&
               m_db.Query(firm, "SELECT * FROM stokovi_firmdata WHERE doc_id = ?;", number) &&
               m_db.Query(lines,
                          notInvoicedOnly
                              ? "SELECT * FROM stokovi_items WHERE doc_id = ? AND invoiced = '0' ORDER BY "
                                "seq_id ASC;"
                              : "SELECT * FROM stokovi_items WHERE doc_id = ? ORDER BY seq_id ASC;",
                          number);
        break;
    case SaleFamily::Proformas:
        read =
            m_db.Query(header, "SELECT * FROM proforms_main WHERE doc_id = ?;", number) &&
            m_db.Query(partner, "SELECT * FROM proforms_partners WHERE doc_id = ?;", number) &&
            m_db.Query(firm, "SELECT * FROM proforms_firmdata WHERE doc_id = ?;", number) &&
            m_db.Query(lines, "SELECT * FROM proforms_items WHERE doc_id = ? ORDER BY seq_id ASC;", number);
        break;
    case SaleFamily::Invoices:
        // Amounts, quantities and prices with their absolute values, so a
        // credit note shows what it credits, positive.
        read = m_db.Query(header,
                          "SELECT doc_id, doc_dt, given_by, received_by, compiled_by, transported_by, "
                          "partner_id, osnovanie, place, object, recv_dt, pay_dt, pay_by, discount, "
                          "slovom, ABS(all_sum), ABS(discount_sum), ABS(oblagaema_sum), ABS(vat_sum), "
                          "ABS(total_sum), tax_event_dt, osnovanie_vat, new_vehicle, doc_type, "
                          "to_invoice, to_invoice_dt FROM invoices_main WHERE doc_id = ? AND doc_type = "
                          "?;",
                          number, SaleOps::DocTypeOf(doc.op)) &&
               m_db.Query(partner, "SELECT * FROM invoices_partners WHERE doc_id = ?;", number) &&
               m_db.Query(firm, "SELECT * FROM invoices_firmdata WHERE doc_id = ?;", number) &&
               m_db.Query(
                   lines,
                   "SELECT doc_id, doc_dt, seq_id, sel_price, item_code, item_name, item_group, item_units, "
                   "ABS(quantity) AS quantity, ABS(price) AS price, ABS(end_price) AS end_price, vis_code "
                   "FROM invoices_items WHERE doc_id = "
                   "? ORDER BY seq_id ASC;",
                   number);
        break;
    }
    if (!read || header.Empty())
        return false;
    readHeader(header, doc.header);
    auto text = [](const ResultTable& t, const char* name) { return t.Text(1, t.Column(name), ""); };
    doc.customer = {text(partner, "partner_name"),    text(partner, "partner_city"),
                    text(partner, "partner_address"), text(partner, "partner_mol"),
                    text(partner, "partner_tax_id"),  text(partner, "partner_bulstat")};
    doc.firm = {text(firm, "firm_name"),
                text(firm, "firm_city"),
                text(firm, "firm_address"),
                text(firm, "firm_mol"),
                text(firm, "firm_tax_id"),
                text(firm, "firm_bulstat"),
                firm.Int(1, firm.Column("firm_vat_reg")),
                firm.Double(1, firm.Column("firm_vat_value")),
                firm.Int(1, firm.Column("firm_bank_id"))};
    doc.lines.clear();
    const int seq = lines.Column("seq_id"), kind = lines.Column("sel_price"),
              code = lines.Column("item_code"), name = lines.Column("item_name"),
              group = lines.Column("item_group"), units = lines.Column("item_units"),
              quantity = lines.Column("quantity"), price = lines.Column("price"),
              value = lines.Column("end_price"), vis = lines.OptionalColumn("vis_code"); // invoices only
    for (int r = 1; r <= lines.Rows(); ++r) {
        SaleLine line;
        line.seq = lines.Int(r, seq);
        line.selPrice = lines.Int(r, kind);
        line.code = lines.Text(r, code, "");
        line.name = lines.Text(r, name, "");
        line.units = lines.Text(r, units, "");
        line.quantity = lines.Double(r, quantity);
        line.price = lines.Double(r, price);
        line.value = lines.Double(r, value);
        line.visCode = lines.Text(r, vis, "");
        line.freeText = lines.Int(r, group) == 0;
        doc.lines.push_back(line);
    }
    return true;
}

QStringList SaleStore::Choices(const char* sql) {
    QStringList values;
    ResultTable table;
    if (!m_db.Query(table, sql))
        return values;
    for (int r = 1; r <= table.Rows(); ++r) {
        const QString value = table.Text(r, 0, "");
        if (!value.isEmpty())
            values << value;
    }
    return values;
}

QStringList SaleStore::GivenByChoices() {
    return Choices("SELECT given_by FROM stokovi_main WHERE given_by IS NOT NULL AND given_by != '' GROUP BY "
                   "given_by ORDER BY given_by;");
}

QStringList SaleStore::TransportedByChoices() {
    return Choices(
        "SELECT transported_by FROM stokovi_main WHERE transported_by IS NOT NULL AND transported_by != "
        "'' GROUP BY transported_by ORDER BY transported_by;");
}

// Both arms of the union leave out empty values.
QStringList SaleStore::CompiledByChoices() {
    return Choices(
        "SELECT compiled_by FROM invoices_main WHERE compiled_by IS NOT NULL AND compiled_by != '' UNION "
        "SELECT compiled_by FROM stokovi_main WHERE compiled_by IS NOT NULL AND compiled_by != '' GROUP "
        "BY compiled_by;");
}

QStringList SaleStore::VatGroundChoices() {
    return Choices("SELECT osnovanie_vat FROM stokovi_main WHERE osnovanie_vat IS NOT NULL AND "
                   "osnovanie_vat != '' UNION SELECT osnovanie_vat FROM invoices_main WHERE osnovanie_vat "
                   "IS NOT NULL AND osnovanie_vat != '' ORDER BY osnovanie_vat ASC;");
}

bool SaleStore::IssuedSince(const QDate& day) {
    const QString since = DateToSql(day);
    return m_db.QueryInt(
               0,
               "SELECT (SELECT COUNT(*) FROM stokovi_main WHERE doc_dt >= ?) + (SELECT COUNT(*) FROM "
               "invoices_main WHERE doc_dt >= ?) + (SELECT COUNT(*) FROM proforms_main WHERE doc_dt >= "
               "?) AS issued;",
               since, since, since) > 0;
}

std::optional<StockMoves> SaleStore::ReturnedQuantities(int goodsNote) {
    std::optional<StockMoves> goods = ItemStore::ReadMoves(
        m_db, SqlCompose(
                  "SELECT i.item_code, i.quantity FROM stokovi_items i JOIN stocks s ON s.code = i.item_code "
                  "WHERE i.doc_id = ? AND s.is_recipe = 0;",
                  {goodsNote}));
    const std::optional<StockMoves> components = ItemStore::ReadMoves(
        m_db, SqlCompose("SELECT code, quantity FROM soldmat WHERE doc_id = ?;", {goodsNote}));
    if (!goods || !components)
        return std::nullopt;
    goods->insert(goods->end(), components->begin(), components->end());
    return goods;
}

bool SaleStore::DeleteGoodsNote(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows(
        {"stokovi_main", "stokovi_partners", "stokovi_firmdata", "stokovi_items", "soldmat"}, number);
}

bool SaleStore::DeleteInvoice(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows({"invoices_main", "invoices_partners", "invoices_firmdata", "invoices_items"},
                                number) &&
           t.ExecPrintf("UPDATE stokovi_main SET invoiced = '0', invoice_id = '0' WHERE invoice_id = ?;",
                        number) &&
           t.ExecPrintf("UPDATE stokovi_items SET invoiced = '0', invoice_id = '0' WHERE invoice_id = ?;",
                        number);
}

bool SaleStore::MarkInvoiced(WriteTransaction& t, SaleFamily family, int source, int invoice) {
    return t.ExecPrintf("UPDATE %s SET invoiced = '1', invoice_id = ? WHERE (doc_id = ? AND invoiced = '0');",
                        family == SaleFamily::Proformas ? "proforms_main" : "stokovi_main", invoice, source);
}

bool SaleStore::MarkLinesInvoiced(WriteTransaction& t, int goodsNote, int invoice) {
    return t.ExecPrintf("UPDATE stokovi_items SET invoiced = '1', invoice_id = ? WHERE (doc_id = ? AND "
                        "invoiced = '0');",
                        invoice, goodsNote);
}
