#include "reports/StockQuantitiesReport.h"

#include "db/ResultTable.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "lists/ListColumn.h"
#include "masterdata/GroupStore.h"
#include "masterdata/StockSettings.h"
#include "settings/ListPreferences.h"

StockQuantitiesReport::StockQuantitiesReport(Database& db, Prompter& prompter, const Clock& clock,
                                             ListPreferences& settings)
    : Report(db, prompter, clock), m_settings(settings) {}

std::vector<ListColumn> StockQuantitiesReport::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"код", 80, left, SortType::Text},
            {"наименование", 300, left, SortType::Text},
            {"група", 150, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},
            {"количество", 80, right, SortType::Decimal},
            {"eд. себестойност", 100, right, SortType::Decimal},
            {"обща себестойност", 100, right, SortType::Decimal},
            {"обща пр.ст-ст #1", 100, right, SortType::Decimal},
            {"обща пр.ст-ст #2", 100, right, SortType::Decimal}};
}

void StockQuantitiesReport::ToggleOnlyCritical() {
    m_settings.SetRptQttysShowOnlyCritical(m_settings.RptQttysShowOnlyCritical() == 0 ? 1 : 0);
}

void StockQuantitiesReport::ToggleHideZero() {
    m_settings.SetRptQttysDoNotShowZeroVals(m_settings.RptQttysDoNotShowZeroVals() == 0 ? 1 : 0);
}

void StockQuantitiesReport::ToggleHideNegative() {
    m_settings.SetRptQttysDoNotShowNegativeVals(m_settings.RptQttysDoNotShowNegativeVals() == 0 ? 1 : 0);
}

SqlStatement StockQuantitiesReport::Statement() {
    m_groupNames.clear();
    m_rollUps = std::make_unique<SharedRollUps>(m_db);
    SqlStatement sql =
        m_settings.RptQttysShowOnlyCritical() == 0
            ? "SELECT code, stock_name, stock_group, units, quantity, cost_price, is_recipe, price_1, "
              "price_2, is_dirty FROM stocks WHERE is_service = '0' "
            : "SELECT code, stock_name, stock_group, units, quantity, cost_price, is_recipe, price_1, "
              "price_2, is_dirty FROM stocks WHERE is_service = '0' AND quantity < min_quantity ";
    if (m_settings.ShowHiddenItems() == 0)
        sql += " AND is_hidden = '0' ";
    const bool hideNegative = m_settings.RptQttysDoNotShowNegativeVals() != 0;
    const bool hideZero = m_settings.RptQttysDoNotShowZeroVals() != 0;
    if (hideNegative && hideZero)
        sql += " AND quantity > '0' ";
    else if (hideNegative)
        sql += " AND quantity >= '0' ";
    else if (hideZero)
        sql += " AND quantity != '0' ";
    sql += " ORDER BY stock_name ASC;";
    return sql;
}

// Each group's name is read once a reload.
QString StockQuantitiesReport::GroupName(int id) {
    auto found = m_groupNames.find(id);
    if (found == m_groupNames.end())
        found = m_groupNames.insert(id, GroupStore(m_db).Name(id));
    return *found;
}

std::optional<QStringList> StockQuantitiesReport::RowOf(const ResultTable& t, int r) {
    const QString code = t.Text(r, 0), name = t.Text(r, 1);
    const int group = t.Int(r, 2);
    if (!PassesItemFilters(code, name, group))
        return std::nullopt;
    const int p = GetPricePrecision();
    const double stored = t.Double(r, 4);
    const double q = RoundHalfUp(stored, 3);
    const bool dirty = t.Int(r, 9) == 1;
    const double cost = dirty ? RoundHalfUp(m_rollUps->CostOf(code), p) : RoundHalfUp(t.Double(r, 5), p);
    double value = 0, value1 = 0, value2 = 0;
    if (q > 0) {
        value = RoundHalfUp(q * cost, p);
        value1 = RoundHalfUp(t.Double(r, 7) * q, 2);
        value2 = RoundHalfUp(t.Double(r, 8) * q, 2);
    }
    auto money = [dirty](double v) { return !dirty && v == 0 ? QString("-") : FormatNumber(v, 2); };
    return QStringList{code,
                       name,
                       GroupName(group),
                       t.Text(r, 3),
                       stored == 0 ? QString("-") : FormatNumber(q, 3),
                       money(cost),
                       money(value),
                       money(value1),
                       money(value2)};
}

void StockQuantitiesReport::ComputeTotals() {
    if (m_rollUps) {
        m_rollUps->Finish();
        m_rollUps.reset();
    }
    m_totalQuantity = ColumnSum(4);
    m_totalValue = ColumnSum(6);
}
