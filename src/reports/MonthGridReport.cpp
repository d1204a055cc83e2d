#include "reports/MonthGridReport.h"

#include "base/Clock.h"
#include "db/Database.h"
#include "db/ResultTable.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "lists/ListColumn.h"
#include "settings/ListPreferences.h"

#include <cmath>

namespace {
constexpr const char* kFreeText = "ф-ри своб. текст";

// Whole cents as "%.2f" writes them, without a "-0.00".
QString centsText(long long cents) {
    const long long magnitude = cents < 0 ? -cents : cents;
    return QString::asprintf("%s%lld.%02lld", cents < 0 ? "-" : "", magnitude / 100, magnitude % 100);
}

long long centsOf(double value) {
    return std::llround(RoundHalfUp(value, 2) * 100);
}

} // namespace

MonthGridReport::MonthGridReport(Database& db, Prompter& prompter, const Clock& clock,
                                 ListPreferences& settings)
    : Report(db, prompter, clock), m_settings(settings), m_year(clock.Now().date().year()) {
    for (int k = 0; k < 13; ++k)
        m_bottom << "0.00";
}

int MonthGridReport::MonthOf(const QString& sqlDate) {
    bool ok = false;
    const int month = sqlDate.mid(5, 2).toInt(&ok);
    return ok && month >= 1 && month <= 12 ? month - 1 : -1;
}

bool MonthGridReport::ForEachLineOfTheYear(
    const std::function<void(const QString&, size_t, double, double)>& line) {
    const bool converts = ConvertsPeriod(QDate(Year(), 1, 1), QDate(Year(), 12, 31));
    ResultTable lines;
    if (!m_db.Query(
            lines,
            "SELECT si.item_code, si.doc_dt, si.end_price, sm.discount, si.quantity FROM stokovi_items AS si "
            "INNER JOIN (SELECT doc_id, discount FROM stokovi_main) AS sm ON si.doc_id = sm.doc_id WHERE "
            "(si.doc_dt >= ? AND si.doc_dt <= ?) ORDER BY si.%s;",
            QString("%1-01-01").arg(Year()), QString("%1-12-31").arg(Year()), m_db.Dialect().RowId()))
        return false;
    for (int r = 1; r <= lines.Rows(); ++r) {
        const int month = MonthOf(lines.Text(r, 1));
        if (month < 0)
            continue;
        const double stored = lines.Double(r, 2);
        const double price = converts ? Currencies().InCurrent(stored, SqlToDate(lines.Text(r, 1))) : stored;
        line(lines.Text(r, 0), static_cast<size_t>(month), price - price * lines.Double(r, 3) * 0.01,
             lines.Double(r, 4));
    }
    return true;
}

std::vector<std::pair<QString, QString>> MonthGridReport::TotalFields() const {
    std::vector<std::pair<QString, QString>> fields;
    const QStringList titles = MonthTitles() << "общо";
    for (int k = 0; k < titles.size(); ++k)
        fields.emplace_back(titles[k], m_bottom.value(k));
    fields.emplace_back("ВСИЧКО:", YearTotalText());
    return fields;
}

QStringList MonthGridReport::MonthTitles() {
    return {"януари", "февруари", "март",      "април",    "май",     "юни",
            "юли",    "август",   "септември", "октомври", "ноември", "декември"};
}

// Each cell rounded half up to the cent; "общо" is the sum of the cells as
// shown, so a row adds up on a calculator.
QStringList MonthGridReport::MonthCells(const std::array<double, 12>& months) {
    QStringList cells;
    long long total = 0;
    for (double value : months) {
        const long long cents = centsOf(value);
        cells << (cents == 0 ? QString("-") : centsText(cents));
        total += cents;
    }
    cells << centsText(total);
    return cells;
}

// The month sums of the shown cells, and the year as their sum.
void MonthGridReport::ComputeTotals() {
    m_bottom.clear();
    long long year = 0;
    for (int m = 0; m < 12; ++m) {
        long long sum = 0;
        for (const QStringList& row : Rows())
            sum += centsOf(CellNumber(row.value(FirstMonthColumn() + m)));
        year += sum;
        m_bottom << centsText(sum);
    }
    m_bottom << centsText(year);
    m_yearTotal = static_cast<double>(year) / 100;
}

QString MonthGridReport::YearTotalText() const {
    if (AmountsCurrency(QDate(Year(), 12, 31)) == Currency::EUR)
        return QString::asprintf("%.2f EUR ", m_yearTotal);
    return QString::asprintf("%.2f BGL ", m_yearTotal);
}

std::vector<ListColumn> TurnoverByMonthsAndCustomers::Columns() {
    std::vector<ListColumn> columns{{"#", 0, Qt::AlignLeft, SortType::Text},
                                    {"наименование на контрагента", 250, Qt::AlignLeft, SortType::Text}};
    for (const QString& month : MonthTitles())
        columns.push_back({month, 100, Qt::AlignRight, SortType::Decimal});
    columns.push_back({"общо", 100, Qt::AlignRight, SortType::Decimal});
    return columns;
}

SqlStatement TurnoverByMonthsAndCustomers::Statement() {
    SqlStatement sql =
        "SELECT DISTINCT sm.partner_id, p.partner_name FROM stokovi_main AS sm LEFT JOIN (SELECT * FROM "
        "partners) AS p ON sm.partner_id = p.partner_id ";
    sql += Sql(" WHERE (sm.doc_dt >= ? AND sm.doc_dt <= ?) ", QString("%1-01-01").arg(Year()),
               QString("%1-12-31").arg(Year()));
    if (!Search().Text().isEmpty())
        sql += Sql(" AND %s ", m_db.Dialect().SearchAnywhere({"p.partner_name"}, Search().Text()));
    sql += " GROUP BY sm.partner_id, p.partner_name ORDER BY p.partner_name ASC;";
    return sql;
}

bool TurnoverByMonthsAndCustomers::BeforeRows() {
    m_cents.clear();
    const SqlStatement sql = InFirmCurrency(
        Sql("SELECT partner_id, MIN(substr(doc_dt, 1, 10)) AS day, SUM(CAST(ROUND(oblagaema_sum * 100) AS "
            "INTEGER)) AS cents FROM stokovi_main WHERE (doc_dt >= ? AND doc_dt <= ?) GROUP BY partner_id, "
            "substr(doc_dt, 6, 2);",
            QString("%1-01-01").arg(Year()), QString("%1-12-31").arg(Year())),
        {"oblagaema_sum"}, "doc_dt", QDate(Year(), 1, 1), QDate(Year(), 12, 31));
    ResultTable sums;
    DbResult read = m_db.QueryWithRetry(sql, sums);
    if (read.Failed()) {
        m_db.ReportDbError(read);
        return false;
    }
    for (int r = 1; r <= sums.Rows(); ++r) {
        const int month = MonthOf(sums.Text(r, 1));
        if (month < 0)
            continue;
        m_cents[sums.Int(r, 0)][static_cast<size_t>(month)] += sums.Int64(r, 2);
    }
    return true;
}

std::array<double, 12> TurnoverByMonthsAndCustomers::NetOf(int partnerId) const {
    std::array<double, 12> months{};
    const auto cents = m_cents.constFind(partnerId);
    if (cents != m_cents.constEnd())
        for (size_t m = 0; m < 12; ++m)
            months[m] = static_cast<double>((*cents)[m]) / 100.0;
    return months;
}

std::optional<QStringList> TurnoverByMonthsAndCustomers::RowOf(const ResultTable& t, int r) {
    return QStringList{t.Text(r, 0), t.Text(r, 1)} + MonthCells(NetOf(t.Int(r, 0)));
}

std::vector<ListColumn> TurnoverByMonthsAndItems::Columns() {
    std::vector<ListColumn> columns{{"код", 100, Qt::AlignLeft, SortType::Text},
                                    {"наименование", 250, Qt::AlignLeft, SortType::Text},
                                    {"група", 150, Qt::AlignLeft, SortType::Text}};
    for (const QString& month : MonthTitles())
        columns.push_back({month, 100, Qt::AlignRight, SortType::Decimal});
    columns.push_back({"общо", 100, Qt::AlignRight, SortType::Decimal});
    return columns;
}

SqlStatement TurnoverByMonthsAndItems::Statement() {
    const QString& text = Search().Text();
    const SqlStatement search =
        text.isEmpty()
            ? SqlStatement()
            : Sql("AND %s",
                  m_db.Dialect().SearchAnywhere({"si.item_code", "s.stock_name", "si.item_name"}, text));
    return Sql(
        "SELECT si.item_code, MAX(s.stock_name) AS stock_name, MAX(s.stock_group) AS stock_group, "
        "MAX(g.name) AS "
        "group_name, MAX(s.is_hidden) AS is_hidden, MAX(si.item_name) AS item_name FROM stokovi_items AS si "
        "LEFT "
        "JOIN (SELECT code, stock_name, stock_group, is_hidden FROM stocks) AS s ON si.item_code = s.code "
        "LEFT JOIN "
        "(SELECT id, name FROM groups) AS g ON s.stock_group = g.id WHERE si.item_code IS NOT NULL AND "
        "(si.doc_dt "
        ">= ? AND si.doc_dt <= ?) %s GROUP BY si.item_code ORDER BY stock_name NULLS FIRST, item_name ASC;",
        QString("%1-01-01").arg(Year()), QString("%1-12-31").arg(Year()), search);
}

// The lines of the year in their stored order, each month's value added in
// that order, as a statement per item and month would add them.
bool TurnoverByMonthsAndItems::BeforeRows() {
    m_values.clear();
    return ForEachLineOfTheYear(
        [this](const QString& code, size_t month, double net, double) { m_values[code][month] += net; });
}

std::optional<QStringList> TurnoverByMonthsAndItems::RowOf(const ResultTable& t, int r) {
    if (t.Int(r, 4) == 1 && m_settings.ShowHiddenItems() == 0)
        return std::nullopt;
    if (Filter().Active() && (t.IsNull(r, 2) || !Filter().Passes(t.Int(r, 2))))
        return std::nullopt;
    const QString code = t.Text(r, 0);
    std::array<double, 12> months{};
    const auto values = m_values.constFind(code);
    if (values != m_values.constEnd())
        months = *values;
    // A month whose value is not above 0 shows "-", and counts 0 in "общо",
    // so a row's total is the sum of what it shows.
    for (double& value : months)
        if (!(value > 0))
            value = 0;
    const QString name = t.IsNull(r, 1) ? t.Text(r, 5) : t.Text(r, 1);
    const QString group = t.IsNull(r, 3) ? QString(kFreeText) : t.Text(r, 3);
    return QStringList{code, name, group} + MonthCells(months);
}
