#include "trade/DocumentListStore.h"

#include "db/Database.h"
#include "format/SqlDates.h"
#include "trade/DocumentBrowser.h"

namespace {

// The parts of one kind's statement: the query, the alias its filters use,
// the columns its search looks at, and its order.
struct KindStatement {
    const char* query;
    const char* alias;           // "sm." and the like, or "" for a single table
    const char* partner;         // the column holding the partner's name, or null
    const char* extraSearch;     // a further searched column, or null
    const char* partnerIdFilter; // or null when the kind is not filtered by partner
    const char* order;
    bool hasWhere; // the query already has a WHERE
};

// The invoices' numbering holds three kinds, told apart by `doc_type`.
#define INVOICE_KIND_QUERY(docType)                                                                          \
    "SELECT im.doc_id, im.doc_dt, ip.partner_name, im.total_sum FROM invoices_main AS im LEFT JOIN (SELECT " \
    "doc_id, partner_name FROM invoices_partners) AS ip ON im.doc_id = ip.doc_id WHERE im.doc_type = "       \
    "'" docType "' "

constexpr KindStatement invoiceKind(const char* query) {
    return {query, "im.", "ip.partner_name", nullptr, " (im.partner_id = ?) ", " ORDER BY im.doc_dt DESC;",
            true};
}

const KindStatement* statementOf(DocumentKind kind) {
    static const KindStatement deliveries{
        "SELECT m.doc_id, m.doc_dt, p.partner_name, m.total_sum, m.invoice_no FROM supplies_main AS m LEFT "
        "JOIN "
        "(SELECT doc_id, partner_name FROM supplies_partners) AS p ON m.doc_id = p.doc_id ",
        "m.",
        "p.partner_name",
        "m.invoice_no",
        nullptr,
        " ORDER BY m.doc_dt DESC;",
        false};
    static const KindStatement goodsNotes{
        "SELECT sm.doc_id, sm.doc_dt, sp.partner_name, sm.total_sum FROM stokovi_main AS sm LEFT JOIN "
        "(SELECT "
        "doc_id, partner_name FROM stokovi_partners) AS sp ON sm.doc_id = sp.doc_id ",
        "sm.",
        "sp.partner_name",
        nullptr,
        " (sm.partner_id = ?) ",
        " ORDER BY sm.doc_dt DESC;",
        false};
    static const KindStatement notInvoiced{
        "SELECT DISTINCT si.doc_id, si.doc_dt, sp.partner_name, sm.doc_id, ROUND(sm.total_sum, 2) FROM "
        "stokovi_items "
        "AS si LEFT JOIN (SELECT doc_id, total_sum FROM stokovi_main) AS sm ON sm.doc_id = si.doc_id LEFT "
        "JOIN "
        "(SELECT * FROM stokovi_partners) AS sp ON sp.doc_id = si.doc_id  WHERE si.invoiced = '0' ",
        "si.",
        "sp.partner_name",
        nullptr,
        nullptr,
        " ORDER BY si.doc_dt DESC;",
        true};
    static const KindStatement invoices = invoiceKind(INVOICE_KIND_QUERY("0"));
    static const KindStatement debitNotes = invoiceKind(INVOICE_KIND_QUERY("1"));
    static const KindStatement creditNotes = invoiceKind(INVOICE_KIND_QUERY("2"));
    static const KindStatement proformas{
        "SELECT pp.doc_id, pp.doc_dt, pp.partner_name, pm.total_sum FROM proforms_partners AS pp LEFT JOIN "
        "(SELECT "
        "doc_id, total_sum FROM proforms_main) AS pm ON pm.doc_id = pp.doc_id ",
        "pp.",
        "pp.partner_name",
        nullptr,
        nullptr,
        " ORDER BY pp.doc_dt DESC;",
        false};
    static const KindStatement offers{
        "SELECT doc_id, doc_dt, to_person FROM offers ", "", "to_person", nullptr, nullptr, "", false};
    static const KindStatement stocktakings{"SELECT * FROM revisions ",      "",   nullptr, nullptr, nullptr,
                                            " ORDER BY doc_dt, doc_id ASC;", false};
    static const KindStatement production{
        "SELECT DISTINCT doc_id, doc_dt, produced_by, SUM(quantity) as qtty FROM production_cmp ",
        "",
        "produced_by",
        nullptr,
        nullptr,
        " GROUP BY doc_id, doc_dt, produced_by ORDER BY doc_dt DESC, doc_id DESC;",
        false};
    static const KindStatement requests{"SELECT doc_id, doc_dt, partner_name FROM requests_main ",
                                        "",
                                        "partner_name",
                                        nullptr,
                                        nullptr,
                                        "",
                                        false};
    static const KindStatement warrantyCards{"SELECT doc_id, doc_dt, customer_name FROM gk_main ",
                                             "",
                                             "customer_name",
                                             nullptr,
                                             nullptr,
                                             "",
                                             false};
    switch (kind) {
    case DocumentKind::Deliveries:
        return &deliveries;
    case DocumentKind::GoodsNotes:
        return &goodsNotes;
    case DocumentKind::GoodsNotesNotInvoiced:
        return &notInvoiced;
    case DocumentKind::Invoices:
        return &invoices;
    case DocumentKind::Proformas:
        return &proformas;
    case DocumentKind::Offers:
        return &offers;
    case DocumentKind::Stocktakings:
        return &stocktakings;
    case DocumentKind::Production:
        return &production;
    case DocumentKind::Requests:
        return &requests;
    case DocumentKind::WarrantyCards:
        return &warrantyCards;
    case DocumentKind::DebitNotes:
        return &debitNotes;
    case DocumentKind::CreditNotes:
        return &creditNotes;
    default:
        return nullptr;
    }
}

// The filters after the query, each joined with WHERE when it is the first
// condition and with AND after it: partner, search text, period. Typed text
// is bound, never part of the statement.
SqlStatement condition(Database& db, const DocumentListFilter& f) {
    const KindStatement& k = *statementOf(f.kind);
    std::vector<SqlStatement> conditions;
    if (f.partnerId > 0 && k.partnerIdFilter)
        conditions.push_back(SqlCompose(k.partnerIdFilter, {f.partnerId}));
    const QString& text = f.search;
    if (!text.isEmpty()) {
        const QByteArray number = QByteArray("CAST(") + k.alias + "doc_id AS TEXT)";
        std::vector<const char*> columns = {number.constData()};
        if (k.partner)
            columns.push_back(k.partner);
        if (k.extraSearch)
            columns.push_back(k.extraSearch);
        conditions.push_back(" " + db.Dialect().SearchAnywhere(columns, text) + " ");
    }
    if (f.period)
        conditions.push_back(SqlCompose(" (%sdoc_dt >= ? AND %sdoc_dt <= ?) ",
                                        {k.alias, DateToSql(f.from), k.alias, DateToSql(f.to)}));
    SqlStatement joined;
    bool first = !k.hasWhere;
    for (const SqlStatement& condition : conditions) {
        joined += first ? " WHERE" : " AND";
        joined += condition;
        first = false;
    }
    return joined;
}

} // namespace

SqlStatement DocumentListStore::Statement(const DocumentListFilter& f) const {
    if (f.kind == DocumentKind::CustomerLinesNotInvoiced) {
        const SqlStatement period = f.period ? SqlCompose(" AND (si.doc_dt >= ? AND si.doc_dt <= ?) ",
                                                          {DateToSql(f.from), DateToSql(f.to)})
                                             : SqlStatement();
        return SqlCompose(
                   "SELECT si.doc_id, si.doc_dt, sm.partner_id, p.partner_name, sm.total_sum FROM "
                   "stokovi_items "
                   "AS si INNER JOIN (SELECT doc_id, doc_dt, partner_id, total_sum FROM stokovi_main) AS sm "
                   "ON "
                   "si.doc_id = sm.doc_id INNER JOIN (SELECT partner_id, partner_name FROM partners) AS p ON "
                   "sm.partner_id = p.partner_id WHERE si.invoiced = '0' AND sm.partner_id = ? AND %s ",
                   {f.partnerId, m_db.Dialect().SearchAnywhere({"CAST(si.doc_id AS TEXT)"}, f.search)}) +
               period + " GROUP BY si.doc_id, si.doc_dt, sm.partner_id, p.partner_name, sm.total_sum ORDER BY si.doc_dt, "
                        "si.doc_id DESC;";
    }
    if (f.kind == DocumentKind::WarrantyCards && f.bySerial)
        return SqlCompose(
            // Each card once, however many of its lines match; '%' and '_'
            // typed by the clerk stay wildcards, as in every search.
            "SELECT DISTINCT gkm.doc_id, gkm.doc_dt, gkm.customer_name FROM gk_main AS gkm LEFT JOIN (SELECT "
            "doc_id, item_serial FROM gk_items) AS gki ON gkm.doc_id = gki.doc_id WHERE %s "
            "ORDER BY gkm.doc_dt, gkm.doc_id ASC;",
            {m_db.Dialect().SearchAnywhere({"gki.item_serial"}, f.search)});
    const KindStatement* k = statementOf(f.kind);
    if (!k)
        return SqlStatement();
    return k->query + condition(m_db, f) + k->order;
}

bool DocumentListStore::Load(const DocumentListFilter& f, std::vector<Row>& rows) {
    rows.clear();
    ResultTable table;
    const SqlStatement sql = Statement(f);
    if (sql.text.isEmpty() || !m_db.Query(table, sql))
        return false;
    // Which column holds the partner (or note) and which the amount.
    int partner = 2, amount = 3, extra = -1;
    switch (f.kind) {
    case DocumentKind::Deliveries:
        extra = 4;
        break;
    case DocumentKind::GoodsNotesNotInvoiced:
        amount = 4;
        break;
    case DocumentKind::CustomerLinesNotInvoiced:
        partner = 3;
        amount = 4;
        break;
    case DocumentKind::Offers:
    case DocumentKind::Requests:
    case DocumentKind::WarrantyCards:
    case DocumentKind::Stocktakings:
        amount = -1;
        break;
    default:
        break;
    }
    rows.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r) {
        Row row{table.Int(r, 0), table.Text(r, 1, ""), table.Text(r, partner, ""), std::nullopt, QString()};
        if (amount >= 0)
            row.amount = table.Double(r, amount);
        if (extra >= 0)
            row.extra = table.Text(r, extra, "");
        rows.push_back(std::move(row));
    }
    return true;
}

std::optional<std::vector<DocumentListStore::PieceLine>> DocumentListStore::PieceLines(DocumentKind kind,
                                                                                       int number) {
    ResultTable t;
    if (!m_db.Query(
            t,
            "SELECT item_code, item_name, item_units, ROUND(quantity, 0) AS pieces FROM %s WHERE doc_id = ? "
            "ORDER BY seq_id ASC;",
            kind == DocumentKind::GoodsNotes ? "stokovi_items" : "invoices_items", number))
        return std::nullopt;
    std::vector<PieceLine> lines;
    const int code = t.Column("item_code"), name = t.Column("item_name"), units = t.Column("item_units"),
              pieces = t.Column("pieces");
    for (int r = 1; r <= t.Rows(); ++r)
        lines.push_back({t.Text(r, code), t.Text(r, name), t.Text(r, units), t.Double(r, pieces)});
    return lines;
}
