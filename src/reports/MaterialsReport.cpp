#include "reports/MaterialsReport.h"

#include "db/Database.h"
#include "db/ResultTable.h"
#include "format/SqlDates.h"
#include "masterdata/StockSettings.h"

std::vector<ListColumn> MaterialsReport::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"дата", 100, left, SortType::Date},         {"код", 100, left, SortType::Text},
            {"наименование", 300, left, SortType::Text}, {"група", 120, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},       {"количество", 80, right, SortType::Decimal},
            {"ед. цена", 70, right, SortType::Decimal},  {"общо", 70, right, SortType::Decimal}};
}

// The statements of the description, with the catalogue and the groups
// joined loosely (a component or group deleted since still counts, its name
// the code), the sold items' kinds of "компоненти на:", and the order of the
// union by its columns (SQLite orders a union only by its result columns).
SqlStatement MaterialsReport::Statement() {
    const int p = GetPricePrecision();
    const QString from = From(), to = To(), search = Search().Text();
    // The sold products' components, the sold services', or both.
    QByteArray soldKinds;
    if (!m_conditions.products)
        soldKinds = " AND sm.part_of_code IN (SELECT code FROM stocks WHERE is_service = '1') ";
    else if (!m_conditions.services)
        soldKinds = " AND sm.part_of_code NOT IN (SELECT code FROM stocks WHERE is_service = '1') ";
    const SqlStatement customer =
        m_conditions.partnerId != 0 ? Sql(" AND customer_id = ? ", m_conditions.partnerId) : SqlStatement();
    const SqlStatement sold = InFirmCurrency(
        Sql("SELECT sm.doc_dt, sm.code AS code, COALESCE(s.stock_name, sm.code), sm.group_id, "
            "COALESCE(s.units, "
            "''), "
            "ROUND(sm.quantity, 3), ROUND(sm.price, ?), ROUND(sm.total, ?), g.NAME, 0 AS part, sm.%s AS line "
            "FROM "
            "soldmat AS sm LEFT "
            "JOIN "
            "(SELECT code, stock_name, units FROM stocks) AS s ON sm.code = s.code LEFT JOIN (SELECT id, "
            "NAME "
            "FROM "
            "groups) AS g ON sm.group_id = g.id WHERE (sm.doc_dt >= ? AND sm.doc_dt <= ?) %s %s AND %s",
            p, p, m_db.Dialect().RowId(), from, to, customer, soldKinds,
            m_db.Dialect().SearchAnywhere({"sm.code", "s.stock_name"}, search)),
        {"sm.price", "sm.total"}, "sm.doc_dt", m_conditions.from, m_conditions.to);
    const SqlStatement produced = InFirmCurrency(
        Sql("SELECT pc.doc_dt, pc.code AS code, COALESCE(pc.stock_name, pc.code), pc.stock_group, pc.units, "
            "ROUND(pc.quantity, 3), ROUND(pc.cost_price, ?), ROUND(( ROUND(pc.quantity, 3) * "
            "ROUND(pc.cost_price, ?)), "
            "?), g.NAME, 1 AS part, pc.%s AS line FROM production_cmp_entries AS pc LEFT JOIN (SELECT id, "
            "NAME FROM "
            "groups) AS g ON "
            "pc.stock_group = g.id WHERE (pc.doc_dt >= ? AND pc.doc_dt <= ?) AND %s",
            p, p, p, m_db.Dialect().RowId(), from, to,
            m_db.Dialect().SearchAnywhere({"pc.code", "pc.stock_name"}, search)),
        {"pc.cost_price"}, "pc.doc_dt", m_conditions.from, m_conditions.to);
    // A customer's materials are those of the sales to that customer; the
    // production runs are the firm's own.
    const bool withProduction = m_conditions.partnerId == 0 && m_conditions.products;
    // Lines of one day and name keep the order they were written in.
    return withProduction ? sold + " UNION ALL " + produced + " ORDER BY 1 ASC, 3 ASC, part, line"
                          : sold + " ORDER BY sm.doc_dt ASC, s.stock_name ASC, line";
}

std::optional<QStringList> MaterialsReport::RowOf(const ResultTable& t, int r) {
    if (!Filter().Passes(t.Int(r, 3)))
        return std::nullopt;
    return QStringList{SqlToDisplayDate(t.Text(r, 0).left(10)),
                       t.Text(r, 1),
                       t.Text(r, 2),
                       t.Text(r, 8, "-"),
                       t.Text(r, 4),
                       QString::asprintf("%.3f", t.Double(r, 5)),
                       MoneyCell(t.Double(r, 6)),
                       MoneyCell(t.Double(r, 7))};
}

void MaterialsReport::ComputeTotals() {
    if (m_conditions.summary)
        MergeRows(1, {5, 7}, 5, 6, 7, {0}, {3, 2});
    m_quantity = m_cost = 0;
    for (const QStringList& row : Rows()) {
        m_quantity += CellNumber(row.value(5));
        m_cost += CellNumber(row.value(7));
    }
}
