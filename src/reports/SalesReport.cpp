#include "reports/SalesReport.h"

#include "base/Clock.h"
#include "db/Database.h"
#include "db/ResultTable.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "masterdata/StockSettings.h"

#include <QHash>
#include <algorithm>

namespace {
constexpr const char* kFreeText = "ф-ри своб. текст";
// The result's columns: date, number, code, name, group id, group name, unit,
// quantity, price, value, discount, VAT, total, customer, [extra], cost.
constexpr int kGroupName = 5, kQuantity = 7, kValue = 9, kCustomer = 13, kExtra = 14;
} // namespace

SalesReport::SalesReport(Database& db, Prompter& prompter, const Clock& clock) : Report(db, prompter, clock) {
    // The last seven days: the period button's T - 6 to today.
    const QDate today = clock.Now().date();
    m_filter.from = today.addDays(-6);
    m_filter.to = today;
}

std::vector<ListColumn> SalesReport::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"дата", 75, centre, SortType::Date},
            {"документ", 80, centre, SortType::Integer},
            {"код", 80, left, SortType::Text},
            {"наименование", 250, left, SortType::Text},
            {"група", 120, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},
            {"количество", 80, right, SortType::Decimal},
            {"ед. цена", 90, right, SortType::Decimal},
            {"стойност", 90, right, SortType::Decimal},
            {"Т.О.", 70, right, SortType::Decimal},
            {"облагаема", 70, right, SortType::Decimal},
            {"ДДС", 70, right, SortType::Decimal},
            {"тотал", 70, right, SortType::Decimal},
            {"клиент", 250, left, SortType::Text},
            {"фактура", 80, centre, SortType::Integer},
            {"об. себестойност", 100, right, SortType::Decimal}};
}

bool SalesReport::ShowsInvoiceColumn() const {
    return !m_filter.merged && !m_filter.invoices && !m_filter.notInvoicedOnly;
}

int SalesReport::ColumnWidth(int k) const {
    if (m_filter.merged && (k == 0 || k == 1 || k == 13))
        return 0;
    if (k == 14)
        return ShowsInvoiceColumn() ? 80 : 0;
    return Columns()[static_cast<size_t>(k)].width;
}

// The lists are joined with ", " (a trailing ", " does not prepare), and the
// rates are divided by 100.0 and not rounded: a NUMERIC column stores 20.00
// as the integer 20, which an integer division makes 0.
SqlStatement SalesReport::Statement() {
    m_entries.clear();
    m_entryIndex.clear();
    m_cost = m_value = m_discount = m_vat = m_total = 0;
    m_precision = GetPricePrecision();
    const int p = m_precision;
    const bool goodsNotes = !m_filter.invoices;
    const bool notInvoiced = goodsNotes && m_filter.notInvoicedOnly;
    const char* extra = notInvoiced                      ? ", si.invoiced"
                        : goodsNotes && !m_filter.merged ? ", si.invoice_id"
                                                         : "";
    QStringList kinds;
    for (int kind : m_filter.priceKinds)
        kinds << QString::number(kind);
    const QByteArray price = "AND  si.sel_price  IN(" + kinds.join(", ").toUtf8() + ")";
    QStringList ids;
    for (int id : m_filter.customers)
        ids << QString::number(id);
    const SqlStatement customers =
        ids.isEmpty() ? SqlStatement() : Sql("AND sm.partner_id IN(%s)", ids.join(", "));
    const QString& text = Search().Text();
    const SqlStatement search =
        text.isEmpty() ? SqlStatement()
                       : Sql("AND %s", m_db.Dialect().SearchAnywhere({"si.item_code", "si.item_name"}, text));
    const char* mainTable = goodsNotes ? "stokovi_main" : "invoices_main";
    const char* itemsTable = goodsNotes ? "stokovi_items" : "invoices_items";
    const char* partnersTable = goodsNotes ? "stokovi_partners" : "invoices_partners";
    const char* firmTable = goodsNotes ? "stokovi_firmdata" : "invoices_firmdata";
    const QString from = DateToSql(m_filter.from), to = DateToSql(m_filter.to);
    return InFirmCurrency(
        Sql("SELECT sm.doc_dt, sm.doc_id, si.item_code, si.item_name, si.item_group, g.name, si.item_units, "
            "ROUND(si.quantity, 3), ROUND(si.price, ?), ROUND(si.end_price, ?), ROUND(( sm.discount / "
            "100.0 * "
            "ROUND( "
            "si.end_price, ?) ), 2) AS sum_discount, ROUND((ROUND( ROUND(si.end_price, ?) - ( "
            "sm.discount/100.0 * "
            "ROUND(si.end_price, ?)), 2) * (sf.firm_vat_reg * sf.firm_vat_value/100.0)), 2) AS sum_vat, "
            "ROUND( "
            "ROUND(si.end_price, ?) - ROUND((sm.discount/100.0 * ROUND(si.end_price, ?) ), 2) + "
            "ROUND((ROUND( "
            "ROUND(si.end_price, ?) - (sm.discount/100.0 * ROUND( si.end_price, ?) ), 2) * "
            "(sf.firm_vat_reg * "
            "sf.firm_vat_value/100.0)), 2), 2) AS sum_total, sp.partner_name %s %s , ROUND( "
            "ABS(ROUND(si.cost_price, "
            "?)) "
            "* ROUND(si.quantity, 3), ?) FROM %s AS sm INNER JOIN (SELECT * FROM %s WHERE (doc_dt >= ? "
            "AND "
            "doc_dt "
            "<= ?) ) AS si ON sm.doc_id = si.doc_id INNER JOIN (SELECT doc_id, partner_name FROM %s WHERE "
            "(doc_dt "
            ">= ? AND doc_dt <= ?)) AS sp ON sm.doc_id = sp.doc_id LEFT JOIN (SELECT id, name FROM "
            "groups) "
            "AS g "
            "ON si.item_group = g.id INNER JOIN (SELECT doc_id, firm_vat_reg, firm_vat_value FROM %s WHERE "
            "(doc_dt >= "
            "? AND doc_dt <= ?)) AS sf ON sm.doc_id = sf.doc_id WHERE (sm.doc_dt >= ? AND sm.doc_dt "
            "<= "
            "?) "
            "%s %s %s ORDER BY sm.doc_dt, sm.doc_id, si.item_name ASC, si.seq_id;",
            p, p, p, p, p, p, p, p, p, QString(extra), QString(), p, p, QString(mainTable),
            QString(itemsTable), from, to, QString(partnersTable), from, to, QString(firmTable), from, to,
            from, to, QString(price), customers, search),
        {"si.price", "si.end_price", "si.cost_price"}, "sm.doc_dt", m_filter.from, m_filter.to);
}

bool SalesReport::BeforeRows() {
    m_entries.clear();
    m_entryIndex.clear();
    return true;
}

std::optional<QStringList> SalesReport::RowOf(const ResultTable& t, int r) {
    const bool hasExtra = t.Columns() == 16;
    if (m_filter.notInvoicedOnly && !m_filter.invoices && hasExtra && t.Int(r, kExtra) == 1)
        return std::nullopt;
    if (Filter().Active() && !Filter().Passes(t.Int(r, 4)))
        return std::nullopt;
    const int p = m_precision;
    const QString group = t.IsNull(r, kGroupName) || t.Text(r, kGroupName).isEmpty() ? QString(kFreeText)
                                                                                     : t.Text(r, kGroupName);
    const double quantity = t.Double(r, kQuantity), price = t.Double(r, 8), value = t.Double(r, kValue);
    const double discount = t.Double(r, 10), vat = t.Double(r, 11), total = t.Double(r, 12);
    const double cost = t.Double(r, hasExtra ? 15 : 14);
    m_cost += cost;
    m_value += value;
    m_discount += discount;
    m_vat += vat;
    m_total += total;
    if (!m_filter.merged) {
        const int invoice = ShowsInvoiceColumn() && hasExtra ? t.Int(r, kExtra) : 0;
        return QStringList{SqlToDisplayDate(t.Text(r, 0)),
                           QString::asprintf("%.10d", t.Int(r, 1)),
                           t.Text(r, 2),
                           t.Text(r, 3),
                           group,
                           t.Text(r, 6),
                           QString::asprintf("%.3f", quantity),
                           FormatNumber(price, p),
                           FormatNumber(value, p),
                           QString::asprintf("%.2f", discount),
                           FormatNumber(RoundHalfUp(value - discount, p), p),
                           QString::asprintf("%.2f", vat),
                           QString::asprintf("%.2f", total),
                           t.Text(r, kCustomer),
                           invoice == 0 ? QString("-") : QString::asprintf("%.10d", invoice),
                           FormatNumber(cost, p)};
    }
    // Lines of a catalogue item merge by code; free-text lines (no group) by
    // code and name, so two different texts under one code stay apart.
    const QString code = t.Text(r, 2), name = t.Text(r, 3);
    const bool freeText = t.Int(r, 4) == 0;
    const QString key = freeText ? code + QChar(0) + name : code;
    const auto index = m_entryIndex.constFind(key);
    if (index == m_entryIndex.constEnd()) {
        m_entryIndex.insert(key, m_entries.size());
        m_entries.push_back(
            {code, name, group, t.Text(r, 6), quantity, price, value, discount, vat, total, cost, false});
    } else {
        Entry* found = &m_entries[*index];
        found->quantity += quantity;
        found->value += value;
        found->discount += discount;
        found->vat += vat;
        found->total += total;
        found->cost += cost;
        found->mergedLines = true;
    }
    return std::nullopt;
}

// A merged quantity of 0 (a sale and its return) has no unit price.
QStringList SalesReport::MergedCells(const Entry& e) const {
    const int p = m_precision;
    const double quantity = RoundHalfUp(e.quantity, 3);
    const QString price = !e.mergedLines  ? FormatNumber(e.price, p)
                          : quantity == 0 ? QString("-")
                                          : FormatNumber(e.value / e.quantity, p);
    return {"-",
            "-",
            e.code,
            e.name,
            e.group,
            e.units,
            QString::asprintf("%.3f", quantity),
            price,
            FormatNumber(e.value, p),
            QString::asprintf("%.2f", e.discount),
            QString::asprintf("%.2f", RoundHalfUp(e.value - e.discount, 2)),
            QString::asprintf("%.2f", e.vat),
            QString::asprintf("%.2f", e.total),
            "-",
            QString(),
            FormatNumber(e.cost, p)};
}

void SalesReport::ComputeTotals() {
    if (!MayLoad())
        m_cost = m_value = m_discount = m_vat = m_total = 0;
    if (!m_filter.merged || m_entries.empty())
        return;
    std::vector<QStringList> rows;
    for (const Entry& entry : m_entries)
        rows.push_back(MergedCells(entry));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const QStringList& a, const QStringList& b) { return a[3] < b[3]; });
    ReplaceRows(std::move(rows));
    m_entries.clear();
    m_entryIndex.clear();
}

QString SalesReport::CostText() const {
    return FormatNumber(RoundHalfUp(m_cost, GetPricePrecision()), GetPricePrecision()) + " ";
}

SalesReport::Click SalesReport::ClickAt(int row, int column) const {
    Click click;
    if (column == 6 || column == 8 || column == 12) {
        click.action = Click::Action::ColumnSum;
        return click;
    }
    if (m_filter.merged || row < 0 || row >= static_cast<int>(Rows().size()))
        return click;
    const QStringList& cells = Rows()[static_cast<size_t>(row)];
    if (column == 1) {
        click.action = m_filter.invoices ? Click::Action::PreviewInvoice : Click::Action::PreviewGoodsNote;
        click.number = cells[1].toInt();
    } else if (column == 14 && cells[14] != "-" && cells[14].toInt() != 0) {
        click.action = Click::Action::PreviewInvoice;
        click.number = cells[14].toInt();
    }
    return click;
}

std::vector<std::pair<int, QString>> SalesReport::Customers(Database& db, const QString& nameSearch) {
    ResultTable t;
    std::vector<std::pair<int, QString>> customers;
    if (db.Query(t,
                 "SELECT DISTINCT partner_id, partner_name FROM partners WHERE partner_is_customer = '1' AND "
                 "%s ORDER BY partner_name ASC",
                 db.Dialect().SearchAnywhere({"partner_name"}, nameSearch)))
        for (int r = 1; r <= t.Rows(); ++r)
            customers.push_back({t.Int(r, 0), t.Text(r, 1)});
    return customers;
}

QString SalesReport::WindowTitle() const {
    return m_filter.invoices ? "TARVO - СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ И ФАКТУРИ"
                             : "TARVO - СПРАВКА ЗА РЕАЛИЗАЦИЯТА ПО АРТИКУЛИ И СТОКОВИ Р-КИ";
}
