#include "sales/DocumentBrowser.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/SqlDates.h"
#include "sales/fiscal/FiscalReceiptStore.h"

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

const KindStatement* statementOf(int kind) {
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
    static const KindStatement invoices{"SELECT im.doc_id, im.doc_dt, ip.partner_name, im.total_sum FROM "
                                        "invoices_main AS im LEFT JOIN (SELECT "
                                        "doc_id, partner_name FROM invoices_partners) AS ip ON im.doc_id = "
                                        "ip.doc_id WHERE im.doc_type = '0' ",
                                        "im.",
                                        "ip.partner_name",
                                        nullptr,
                                        " (im.partner_id = ?) ",
                                        " ORDER BY im.doc_dt DESC;",
                                        true};
    static const KindStatement debitNotes{"SELECT im.doc_id, im.doc_dt, ip.partner_name, im.total_sum FROM "
                                          "invoices_main AS im LEFT JOIN (SELECT "
                                          "doc_id, partner_name FROM invoices_partners) AS ip ON im.doc_id = "
                                          "ip.doc_id WHERE im.doc_type = '1' ",
                                          "im.",
                                          "ip.partner_name",
                                          nullptr,
                                          " (im.partner_id = ?) ",
                                          " ORDER BY im.doc_dt DESC;",
                                          true};
    static const KindStatement creditNotes{"SELECT im.doc_id, im.doc_dt, ip.partner_name, im.total_sum FROM "
                                           "invoices_main AS im LEFT JOIN (SELECT "
                                           "doc_id, partner_name FROM invoices_partners) AS ip ON im.doc_id "
                                           "= ip.doc_id WHERE im.doc_type = '2' ",
                                           "im.",
                                           "ip.partner_name",
                                           nullptr,
                                           " (im.partner_id = ?) ",
                                           " ORDER BY im.doc_dt DESC;",
                                           true};
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
        " GROUP BY doc_id ORDER BY doc_dt DESC, doc_id DESC;",
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
    case DocumentBrowser::Deliveries:
        return &deliveries;
    case DocumentBrowser::GoodsNotes:
        return &goodsNotes;
    case DocumentBrowser::GoodsNotesNotInvoiced:
        return &notInvoiced;
    case DocumentBrowser::Invoices:
        return &invoices;
    case DocumentBrowser::Proformas:
        return &proformas;
    case DocumentBrowser::Offers:
        return &offers;
    case DocumentBrowser::Stocktakings:
        return &stocktakings;
    case DocumentBrowser::Production:
        return &production;
    case DocumentBrowser::Requests:
        return &requests;
    case DocumentBrowser::WarrantyCards:
        return &warrantyCards;
    case DocumentBrowser::DebitNotes:
        return &debitNotes;
    case DocumentBrowser::CreditNotes:
        return &creditNotes;
    default:
        return nullptr;
    }
}

} // namespace

DocumentBrowser::DocumentBrowser(Database& db, int kind, int partnerId)
    : m_db(db), m_kind(kind), m_partnerId(partnerId),
      m_fiscal((kind == GoodsNotes || kind == Invoices || kind == CreditNotes) &&
               FiscalReceiptStore(db).Exists()) {}

std::vector<ListColumn> DocumentBrowser::Columns(int kind) {
    const Qt::Alignment left = Qt::AlignLeft, right = Qt::AlignRight;
    std::vector<ListColumn> columns = {{"документ #", 100, left, SortType::Integer},
                                       {"дата", 85, left, SortType::Date}};
    switch (kind) {
    case Deliveries:
        columns.push_back({"доставчик", 225, left, SortType::Text});
        columns.push_back({"сума", 80, right, SortType::Decimal});
        columns.push_back({"по фактура №", 140, left, SortType::Text});
        break;
    case Offers:
        columns.push_back({"до", 300, left, SortType::Text});
        break;
    case Stocktakings:
        columns.push_back({"забележка", 300, left, SortType::Text});
        break;
    case Production:
        columns.push_back({"произведено от", 225, left, SortType::Text});
        columns.push_back({"количество", 90, right, SortType::Decimal});
        break;
    case Requests:
        columns.push_back({"доставчик", 300, left, SortType::Text});
        break;
    case WarrantyCards:
        columns.push_back({"клиент", 300, left, SortType::Text});
        break;
    default:
        columns.push_back({"клиент", 225, left, SortType::Text});
        columns.push_back({"сума", 80, right, SortType::Decimal});
        break;
    }
    return columns;
}

std::vector<ListColumn> DocumentBrowser::ShownColumns() const {
    std::vector<ListColumn> columns = Columns(m_kind);
    if (m_fiscal)
        columns.push_back({"фискален бон", 135, Qt::AlignLeft, SortType::Text});
    return columns;
}

SaleFamily DocumentBrowser::Family() const {
    return m_kind == GoodsNotes ? SaleFamily::GoodsNotes : SaleFamily::Invoices;
}

void DocumentBrowser::SetPeriod(bool on, const QDate& from, const QDate& to) {
    m_period = on;
    m_from = from;
    m_to = to;
}

// The filters after the query, each joined with WHERE when it is the first
// condition and with AND after it: partner, search text, period. Typed text
// is bound, never part of the statement.
SqlStatement DocumentBrowser::Condition() const {
    const KindStatement& k = *statementOf(m_kind);
    std::vector<SqlStatement> conditions;
    if (m_partnerId > 0 && k.partnerIdFilter)
        conditions.push_back(SqlCompose(k.partnerIdFilter, {m_partnerId}));
    const QString& text = m_search.Text();
    if (!text.isEmpty()) {
        const QByteArray number = QByteArray("CAST(") + k.alias + "doc_id AS TEXT)";
        std::vector<const char*> columns = {number.constData()};
        if (k.partner)
            columns.push_back(k.partner);
        if (k.extraSearch)
            columns.push_back(k.extraSearch);
        conditions.push_back(" " + m_db.Dialect().SearchAnywhere(columns, text) + " ");
    }
    if (m_period)
        conditions.push_back(SqlCompose(" (%sdoc_dt >= ? AND %sdoc_dt <= ?) ",
                                        {k.alias, DateToSql(m_from), k.alias, DateToSql(m_to)}));
    SqlStatement joined;
    bool first = !k.hasWhere;
    for (const SqlStatement& condition : conditions) {
        joined += first ? " WHERE" : " AND";
        joined += condition;
        first = false;
    }
    return joined;
}

SqlStatement DocumentBrowser::Statement() const {
    if (m_kind == CustomerLinesNotInvoiced) {
        const SqlStatement period = m_period ? SqlCompose(" AND (si.doc_dt >= ? AND si.doc_dt <= ?) ",
                                                          {DateToSql(m_from), DateToSql(m_to)})
                                             : SqlStatement();
        return SqlCompose(
                   "SELECT si.doc_id, si.doc_dt, sm.partner_id, p.partner_name, sm.total_sum FROM stokovi_items "
                   "AS si INNER JOIN (SELECT doc_id, doc_dt, partner_id, total_sum FROM stokovi_main) AS sm ON "
                   "si.doc_id = sm.doc_id INNER JOIN (SELECT partner_id, partner_name FROM partners) AS p ON "
                   "sm.partner_id = p.partner_id WHERE si.invoiced = '0' AND sm.partner_id = ? AND %s ",
                   {m_partnerId, m_db.Dialect().SearchAnywhere({"CAST(si.doc_id AS TEXT)"}, m_search.Text())}) +
               period + " GROUP BY si.doc_id ORDER BY si.doc_dt, si.doc_id DESC;";
    }
    if (m_kind == WarrantyCards && m_bySerial)
        return SqlCompose(
            // Each card once, however many of its lines match; '%' and '_'
            // typed by the clerk stay wildcards, as in every search.
            "SELECT DISTINCT gkm.doc_id, gkm.doc_dt, gkm.customer_name FROM gk_main AS gkm LEFT JOIN (SELECT "
            "doc_id, item_serial FROM gk_items) AS gki ON gkm.doc_id = gki.doc_id WHERE %s "
            "ORDER BY gkm.doc_dt, gkm.doc_id ASC;",
            {m_db.Dialect().SearchAnywhere({"gki.item_serial"}, m_search.Text())});
    const KindStatement* k = statementOf(m_kind);
    if (!k)
        return SqlStatement();
    return k->query + Condition() + k->order;
}

bool DocumentBrowser::Reload() {
    m_rows.clear();
    ResultTable table;
    const SqlStatement sql = Statement();
    if (sql.text.isEmpty() || !m_db.Query(table, sql))
        return false;
    // Which column holds the partner (or note) and which the amount.
    int partner = 2, amount = 3, extra = -1;
    switch (m_kind) {
    case Deliveries:
        extra = 4;
        break;
    case GoodsNotesNotInvoiced:
        amount = 4;
        break;
    case CustomerLinesNotInvoiced:
        partner = 3;
        amount = 4;
        break;
    case Offers:
    case Requests:
    case WarrantyCards:
    case Stocktakings:
        amount = -1;
        break;
    default:
        break;
    }
    const std::map<int, FiscalReceipt> receipts =
        m_fiscal ? FiscalReceiptStore(m_db).OfFamily(Family()) : std::map<int, FiscalReceipt>();
    const int rows = table.Rows();
    m_rows.reserve(static_cast<size_t>(rows));
    // Each row goes to the top: the list shows the reverse of the query's order.
    for (int r = rows; r >= 1; --r) {
        Row row;
        row.number = table.Int(r, 0);
        row.date = SqlToDate(table.Text(r, 1, ""));
        row.cells << FormatDocNumber(row.number) << SqlToDisplayDate(table.Text(r, 1, ""));
        const QString text = table.Text(r, partner, "");
        row.cells << text;
        if (m_kind == Stocktakings)
            row.note = text;
        if (amount >= 0) {
            const double value = table.Double(r, amount);
            row.negative = value < 0;
            row.cells << FormatNumber(value, m_kind == Production ? 3 : 2);
        }
        if (extra >= 0)
            row.cells << table.Text(r, extra, "");
        if (m_fiscal) {
            const auto receipt = receipts.find(row.number);
            row.cells << (receipt == receipts.end()                         ? QString()
                          : receipt->second.state == FiscalReceipt::Printed ? receipt->second.receiptNumber
                                                                            : QString("без фискален бон"));
        }
        m_rows.push_back(std::move(row));
    }
    return true;
}

std::optional<DocumentChoice> DocumentBrowser::Choose(const std::vector<int>& rows,
                                                      Prompter& prompter) const {
    std::vector<int> chosen;
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(m_rows.size()))
            chosen.push_back(row);
    if (chosen.empty()) {
        prompter.Message("Необходимо е да изберете запис от списъка!", MessageIcon::Stop);
        return std::nullopt;
    }
    const Row& first = m_rows[static_cast<size_t>(chosen.front())];
    DocumentChoice choice{first.number, first.cells.value(1), first.date, first.note, {}};
    for (int row : chosen)
        choice.numbers.push_back(m_rows[static_cast<size_t>(row)].number);
    return choice;
}
