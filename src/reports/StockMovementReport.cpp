#include "reports/StockMovementReport.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/ResultTable.h"
#include "format/DocNumber.h"
#include "format/SqlDates.h"
#include "settings/ListPreferences.h"
#include "trade/DocumentBrowser.h"
#include "trade/DocumentChooser.h"

namespace {
// A quantity cell: "%.3f", or "-" for 0 or nothing.
QString quantity(double value) {
    return value == 0 ? QString("-") : QString::asprintf("%.3f", value);
}
} // namespace

StockMovementReport::StockMovementReport(Database& db, Prompter& prompter, const Clock& clock,
                                         ListPreferences& settings)
    : Report(db, prompter, clock), m_settings(settings) {
    const QDate today = clock.Now().date();
    m_conditions.from = QDate(today.year(), today.month(), 1);
    m_conditions.to = today;
}

std::vector<ListColumn> StockMovementReport::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"код", 100, left, SortType::Text},
            {"наименование", 250, left, SortType::Text},
            {"група", 120, left, SortType::Text},
            {"мярка", 60, centre, SortType::Text},
            {"салдо - ревизия", 100, right, SortType::Decimal},
            {"доставени", 90, right, SortType::Decimal},
            {"произведени", 90, right, SortType::Decimal},
            {"вложени", 90, right, SortType::Decimal},
            {"върнати (брак)", 100, right, SortType::Decimal},
            {"реализирани", 90, right, SortType::Decimal},
            {"налични днес", 90, right, SortType::Decimal}};
}

bool StockMovementReport::ChooseStocktaking(DocumentChooser& documents, Prompter& prompter,
                                            Conditions& conditions) {
    const std::optional<DocumentChoice> choice = documents.ChooseDocument(DocumentKind::Stocktakings, 0);
    if (!choice)
        return false;
    conditions.stocktaking = choice->number;
    conditions.stocktakingDate = choice->date;
    if (prompter.AskYesNo("Желаете ли долната граница на периода да съвпада с тази на избраната ревизия?",
                          MessageIcon::Question) == Answer::Yes)
        conditions.from = choice->date;
    return true;
}

QString StockMovementReport::StocktakingText(const Conditions& conditions) {
    if (conditions.stocktaking == 0)
        return QString();
    return QString::asprintf("%s / %s", qUtf8Printable(FormatDocNumber(conditions.stocktaking)),
                             qUtf8Printable(DisplayDate(conditions.stocktakingDate)));
}

SqlStatement StockMovementReport::Statement() {
    const QString from = DateToSql(m_conditions.from), to = DateToSql(m_conditions.to);
    SqlStatement sql =
        m_conditions.stocktaking != 0
            ? Sql("SELECT DISTINCT st.code, st.stock_name, st.stock_group, st.units, st.is_material, "
                  "st.is_recipe, "
                  "st.is_service, gr.name, ROUND(re.actual_quantity, 3), ROUND(dl.quantity, 3), "
                  "ROUND(pr.quantity, "
                  "3), ROUND(pr_cmp.quantity, 3), ROUND(sm.quantity, 3), ROUND(prod.quantity, 3) FROM stocks "
                  "AS st "
                  "LEFT JOIN (SELECT * FROM groups) as gr ON gr.id = st.stock_group LEFT JOIN (SELECT * FROM "
                  "revisions_cmp WHERE doc_id = ? AND (doc_dt >= ? AND doc_dt <= ?)) as re ON "
                  "re.item_code = st.code LEFT JOIN (SELECT DISTINCT item_code, SUM(quantity) as quantity "
                  "FROM "
                  "supplies_items WHERE (doc_dt >= ? AND doc_dt <= ?) GROUP BY item_code) as dl ON "
                  "dl.item_code = st.code  LEFT JOIN (SELECT DISTINCT code, SUM(quantity) as quantity FROM "
                  "production_cmp WHERE (doc_dt >= ? AND doc_dt <= ?)  GROUP BY code) as pr ON pr.code "
                  "= "
                  "st.code LEFT JOIN (SELECT DISTINCT code, SUM(quantity) as quantity FROM "
                  "production_cmp_entries "
                  "WHERE (doc_dt >= ? AND doc_dt <= ?)  GROUP BY code) as pr_cmp ON pr_cmp.code = "
                  "st.code "
                  "LEFT JOIN (SELECT DISTINCT code, SUM(quantity) as quantity FROM soldmat WHERE (doc_dt >= "
                  "? "
                  "AND doc_dt <= ?)  GROUP BY code) as sm ON sm.code = st.code LEFT JOIN (SELECT DISTINCT "
                  "item_code, SUM(quantity) as quantity FROM stokovi_items WHERE (doc_dt >= ? AND doc_dt "
                  "<= "
                  "?)  GROUP BY item_code) as prod ON prod.item_code = st.code ",
                  m_conditions.stocktaking, from, to, from, to, from, to, from, to, from, to, from, to)
            : Sql("SELECT st.code, st.stock_name, st.stock_group, st.units, ROUND(st.quantity, 3), "
                  "st.is_material, "
                  "st.is_recipe, st.is_service, gr.name, ROUND(dl.quantity, 3), ROUND(pr.quantity, 3), "
                  "ROUND(pr_cmp.quantity, 3), ROUND(sm.quantity, 3), ROUND(prod.quantity, 3) FROM stocks AS "
                  "st "
                  "LEFT JOIN (SELECT * FROM groups) as gr ON gr.id = st.stock_group LEFT JOIN (SELECT "
                  "DISTINCT "
                  "item_code, SUM(quantity) as quantity FROM supplies_items WHERE (doc_dt >= ? AND doc_dt "
                  "<= "
                  "?) GROUP BY item_code) as dl ON dl.item_code = st.code  LEFT JOIN (SELECT DISTINCT "
                  "code, "
                  "SUM(quantity) as quantity FROM production_cmp WHERE (doc_dt >= ? AND doc_dt <= ?)  "
                  "GROUP "
                  "BY code) as pr ON pr.code = st.code LEFT JOIN (SELECT DISTINCT code, SUM(quantity) as "
                  "quantity "
                  "FROM production_cmp_entries WHERE (doc_dt >= ? AND doc_dt <= ?)  GROUP BY code) as "
                  "pr_cmp ON pr_cmp.code = st.code LEFT JOIN (SELECT DISTINCT code, SUM(quantity) as "
                  "quantity FROM "
                  "soldmat WHERE (doc_dt >= ? AND doc_dt <= ?)  GROUP BY code) as sm ON sm.code = "
                  "st.code "
                  "LEFT JOIN (SELECT DISTINCT item_code, SUM(quantity) as quantity FROM stokovi_items WHERE "
                  "(doc_dt >= ? AND doc_dt <= ?)  GROUP BY item_code) as prod ON prod.item_code = "
                  "st.code",
                  from, to, from, to, from, to, from, to, from, to);
    sql += m_settings.ShowHiddenItems() == 0 ? " WHERE is_hidden = '0' "
                                             : " WHERE (is_hidden = '0' OR is_hidden = '1') ";
    if (!Search().Text().isEmpty())
        sql += Sql(" AND %s ", m_db.Dialect().SearchAnywhere({"st.code", "st.stock_name"}, Search().Text()));
    sql += " ORDER BY st.stock_name ASC;";
    return sql;
}

std::optional<QStringList> StockMovementReport::RowOf(const ResultTable& t, int r) {
    const bool counted = m_conditions.stocktaking != 0;
    // The two statements put the kinds and the sums in different places.
    const int kinds = counted ? 4 : 5;
    const int group = counted ? 7 : 8;
    const bool recipe = t.Int(r, kinds + 1) != 0, service = t.Int(r, kinds + 2) != 0;
    const bool shown = service ? m_conditions.services : recipe ? m_conditions.products : m_conditions.goods;
    const QString code = t.Text(r, 0), name = t.Text(r, 1);
    if (!shown || !PassesItemFilters(code, name, t.Int(r, 2)))
        return std::nullopt;
    // The five sums come last in both.
    const double delivered = t.Double(r, 9), produced = t.Double(r, 10), usedInProduction = t.Double(r, 11),
                 usedInSales = t.Double(r, 12), sold = t.Double(r, 13);
    const double consumed = usedInProduction + usedInSales;
    const double opening = counted ? t.Double(r, 8) : 0;
    const double today = counted ? opening + delivered + produced - consumed - sold : t.Double(r, 4);
    return QStringList{code,
                       name,
                       t.Text(r, group, "-"),
                       t.Text(r, 3),
                       counted ? quantity(opening) : QString("-"),
                       quantity(delivered),
                       quantity(produced),
                       quantity(consumed),
                       "-",
                       quantity(sold),
                       quantity(today)};
}
