#include "reports/ProductionReport.h"

#include "db/Database.h"
#include "format/DocNumber.h"
#include "format/SqlDates.h"
#include "masterdata/StockSettings.h"

std::vector<ListColumn> ProductionReport::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"документ №", 80, left, SortType::Integer},
            {"дата", 80, left, SortType::Date},
            {"код", 80, left, SortType::Text},
            {"наименование", 250, left, SortType::Text},
            {"група", 120, left, SortType::Text},
            {"мярка", 60, centre, SortType::Text},
            {"количество", 90, right, SortType::Decimal},
            {"себестойност", 90, right, SortType::Decimal},
            {"сума", 90, right, SortType::Decimal},
            {"произведено от", 150, left, SortType::Text}};
}

QStringList ProductionReport::Producers() {
    ResultTable names;
    QStringList producers;
    if (m_db.Query(names, "SELECT DISTINCT produced_by FROM production ORDER BY produced_by;"))
        for (int r = 1; r <= names.Rows(); ++r)
            if (!names.Text(r, 0).isEmpty())
                producers << names.Text(r, 0);
    return producers;
}

// The statements of the description with the groups joined loosely, so that
// a run of a product whose group is gone still counts.
SqlStatement ProductionReport::Statement() {
    const int p = GetPricePrecision();
    const QString search = Search().Text();
    const SqlStatement producer = m_conditions.producer.isEmpty()
                                      ? SqlStatement()
                                      : Sql("AND produced_by IN(?)", m_conditions.producer);
    SqlStatement sql;
    if (m_conditions.summary)
        sql = Sql(
            "SELECT pc.code, MAX(pc.stock_name) AS stock_name, MAX(pc.group_id) AS group_id, MAX(pc.units) "
            "AS "
            "units, ROUND( SUM(pc.quantity), 3) AS quantity, ROUND( SUM( ROUND( ( ROUND(pc.quantity, 3) * "
            "ROUND(pc.cost_price, ?) ), ?)), ?) AS total, MAX(pc.produced_by) AS produced_by, MAX(g.name) AS "
            "group_name FROM production_cmp AS pc LEFT JOIN (SELECT id, NAME FROM groups) AS g ON "
            "pc.group_id = "
            "g.id WHERE (doc_dt >= ? AND doc_dt <= ?) AND %s %s GROUP BY pc.code ORDER BY stock_name ASC;",
            p, p, p, From(), To(), m_db.Dialect().SearchAnywhere({"stock_name", "code"}, search), producer);
    else
        sql = Sql(
            "SELECT pc.doc_id, pc.doc_dt, pc.code, pc.stock_name, pc.group_id, pc.units, ROUND(pc.quantity, "
            "3), "
            "ROUND(pc.cost_price, ?), ROUND( ( ROUND(pc.quantity, 3) * ROUND(pc.cost_price, ?) ), ?) AS "
            "total, "
            "pc.produced_by, g.name FROM production_cmp AS pc LEFT JOIN (SELECT id, NAME FROM groups) AS g "
            "ON "
            "pc.group_id = g.id WHERE (doc_dt >= ? AND doc_dt <= ?) AND %s %s ORDER BY pc.doc_dt, pc.doc_id, "
            "pc.stock_name ASC, pc.seq_id;",
            p, p, p, From(), To(), m_db.Dialect().SearchAnywhere({"stock_name", "code"}, search), producer);
    return InFirmCurrency(sql, {"pc.cost_price"}, "pc.doc_dt", m_conditions.from, m_conditions.to);
}

std::optional<QStringList> ProductionReport::RowOf(const ResultTable& t, int r) {
    if (m_conditions.summary) {
        if (!Filter().Passes(t.Int(r, 2)))
            return std::nullopt;
        const double quantity = t.Double(r, 4), total = t.Double(r, 5);
        // A sum over runs: its unit cost is the sum over the quantity.
        return QStringList{"-",
                           "-",
                           t.Text(r, 0),
                           t.Text(r, 1),
                           t.Text(r, 7, "-"),
                           t.Text(r, 3),
                           QString::asprintf("%.3f", quantity),
                           quantity == 0 ? QString("-") : MoneyCell(total / quantity),
                           MoneyCell(total),
                           m_conditions.producer.isEmpty() ? QString("-") : m_conditions.producer};
    }
    if (!Filter().Passes(t.Int(r, 4)))
        return std::nullopt;
    return QStringList{FormatDocNumber(t.Int(r, 0)),
                       SqlToDisplayDate(t.Text(r, 1).left(10)),
                       t.Text(r, 2),
                       t.Text(r, 3),
                       t.Text(r, 10, "-"),
                       t.Text(r, 5),
                       QString::asprintf("%.3f", t.Double(r, 6)),
                       MoneyCell(t.Double(r, 7)),
                       MoneyCell(t.Double(r, 8)),
                       t.Text(r, 9)};
}

void ProductionReport::ComputeTotals() {
    m_quantity = m_cost = 0;
    for (const QStringList& row : Rows()) {
        m_quantity += CellNumber(row.value(6));
        m_cost += CellNumber(row.value(8));
    }
}
