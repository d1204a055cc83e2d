#include "reports/ProfitReports.h"

#include "db/Database.h"
#include "db/ResultTable.h"
#include "format/Rounding.h"
#include "masterdata/SharedRollUps.h"
#include "masterdata/StockSettings.h"

namespace {
// The cost table of a reload: today's cost of each item the statement lists
// (code, cost, recipe and dirty flags), as GetItemCostPrice gives it: the
// stored cost, and for a dirty recipe its roll-up (stored in one change). A code
// not in the table costs 0. Nothing when the read failed.
std::optional<QHash<QString, double>> costTable(Database& db, const char* statement) {
    ResultTable items;
    if (!db.Query(items, statement))
        return std::nullopt;
    const int precision = GetPricePrecision();
    QHash<QString, double> costs;
    SharedRollUps rollUps(db);
    for (int r = 1; r <= items.Rows(); ++r) {
        const QString code = items.Text(r, 0);
        const bool dirtyRecipe = items.Int(r, 2) != 0 && items.Int(r, 3) != 0;
        costs.insert(code, dirtyRecipe ? rollUps.CostOf(code) : RoundHalfUp(items.Double(r, 1), precision));
    }
    rollUps.Finish();
    return costs;
}
} // namespace

// The items each customer bought each month, summed by item in code order,
// as a statement per customer and month sums them.
bool ProfitByCustomers::BeforeRows() {
    if (!TurnoverByMonthsAndCustomers::BeforeRows())
        return false;
    m_costs.clear();
    const std::optional<QHash<QString, double>> costs =
        costTable(m_db, "SELECT code, cost_price, is_recipe, is_dirty FROM stocks;");
    if (!costs)
        return false;
    ResultTable bought;
    if (!m_db.Query(
            bought,
            "SELECT sm.partner_id, MIN(substr(sm.doc_dt, 1, 10)) AS day, si.item_code, SUM(si.quantity) AS "
            "quantity FROM stokovi_main "
            "AS sm INNER JOIN (SELECT * FROM stokovi_items WHERE doc_dt >= ? AND doc_dt <= "
            "?) AS si ON si.doc_id = sm.doc_id WHERE sm.doc_dt >= ? AND sm.doc_dt <= "
            "? GROUP BY sm.partner_id, substr(sm.doc_dt, 6, 2), si.item_code ORDER BY "
            "sm.partner_id, substr(sm.doc_dt, 6, 2), si.item_code;",
            QString("%1-01-01").arg(Year()), QString("%1-12-31").arg(Year()), QString("%1-01-01").arg(Year()),
            QString("%1-12-31").arg(Year())))
        return false;
    for (int r = 1; r <= bought.Rows(); ++r) {
        const int month = MonthOf(bought.Text(r, 1));
        const double quantity = bought.Double(r, 3);
        if (month < 0 || quantity == 0)
            continue;
        m_costs[bought.Int(r, 0)][static_cast<size_t>(month)] +=
            quantity * costs->value(bought.Text(r, 2), 0);
    }
    return true;
}

std::optional<QStringList> ProfitByCustomers::RowOf(const ResultTable& t, int r) {
    std::array<double, 12> profits = NetOf(t.Int(r, 0));
    const auto costs = m_costs.constFind(t.Int(r, 0));
    if (costs != m_costs.constEnd())
        for (size_t m = 0; m < 12; ++m)
            profits[m] -= (*costs)[m];
    return QStringList{t.Text(r, 0), t.Text(r, 1)} + MonthCells(profits);
}

std::vector<ListColumn> ProfitByItems::Columns() {
    return TurnoverByMonthsAndItems::Columns();
}

SqlStatement ProfitByItems::Statement() {
    return Sql(
        "SELECT si.item_code, MAX(si.item_name) AS item_name, MAX(si.item_group) AS item_group, MAX(g.name) "
        "AS "
        "group_name FROM stokovi_items AS si LEFT JOIN (SELECT id, name FROM groups) AS g ON si.item_group = "
        "g.id "
        "WHERE (si.doc_dt >= ? AND si.doc_dt <= ?) AND %s GROUP BY si.item_code ORDER BY item_name ASC;",
        QString("%1-01-01").arg(Year()), QString("%1-12-31").arg(Year()),
        m_db.Dialect().SearchAnywhere({"si.item_code", "si.item_name"}, Search().Text()));
}

// The lines of the year in their stored order, each month's profit added in
// that order, as a statement per item and month would add them.
bool ProfitByItems::BeforeRows() {
    m_profits.clear();
    const std::optional<QHash<QString, double>> costs = costTable(
        m_db, "SELECT code, cost_price, is_recipe, is_dirty FROM stocks WHERE code IN (SELECT item_code FROM "
              "stokovi_items GROUP BY item_code);");
    if (!costs)
        return false;
    return ForEachLineOfTheYear(
        [this, &costs](const QString& code, size_t month, double net, double quantity) {
            m_profits[code][month] += net - quantity * costs->value(code, 0);
        });
}

std::optional<QStringList> ProfitByItems::RowOf(const ResultTable& t, int r) {
    if (Filter().Active() && !Filter().Passes(t.Int(r, 2)))
        return std::nullopt;
    const QString code = t.Text(r, 0);
    const auto profits = m_profits.constFind(code);
    const std::array<double, 12> months =
        profits == m_profits.constEnd() ? std::array<double, 12>{} : *profits;
    const QString group = t.IsNull(r, 3) ? QString("ф-ри св. текст") : t.Text(r, 3);
    return QStringList{code, t.Text(r, 1), group} + MonthCells(months);
}
