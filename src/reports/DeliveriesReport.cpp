#include "reports/DeliveriesReport.h"

#include "db/Database.h"
#include "db/ResultTable.h"
#include "format/DocNumber.h"
#include "format/SqlDates.h"
#include "masterdata/StockSettings.h"

std::vector<ListColumn> DeliveriesReport::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"дата", 100, left, SortType::Date},          {"документ", 100, left, SortType::Integer},
            {"код", 100, left, SortType::Text},           {"наименование", 250, left, SortType::Text},
            {"група", 120, left, SortType::Text},         {"мярка", 50, centre, SortType::Text},
            {"количество", 80, right, SortType::Decimal}, {"ед. цена", 70, right, SortType::Decimal},
            {"стойност", 70, right, SortType::Decimal},   {"Т.О.", 70, right, SortType::Decimal},
            {"ДДС", 70, right, SortType::Decimal},        {"тотал", 70, right, SortType::Decimal},
            {"доставчик", 200, left, SortType::Text},     {"по фактура №", 140, left, SortType::Text}};
}

// The statement of the description, with the per cents divided as decimals
// (whole numbers divided by 100 are 0 in SQLite) and the groups joined
// loosely, so that a line whose group is gone still counts.
SqlStatement DeliveriesReport::Statement() {
    const QString from = From(), to = To();
    SqlStatement sql = Sql(
        "SELECT sm.doc_dt, sm.doc_id, si.item_code, si.item_name, si.item_group, g.NAME, si.item_units, "
        "ROUND(si.quantity, 3), ROUND(si.price, ?), si.end_price, sm.discount, ROUND((sm.discount/100.0 * "
        "si.end_price) ,2) AS sum_discount, ROUND((ROUND(si.end_price - (sm.discount/100.0 * si.end_price) "
        ",2) * "
        "(sp.partner_vat_registered * sf.firm_vat_reg * sf.firm_vat_value/100.0)) ,2) AS sum_vat, "
        "ROUND(si.end_price - ROUND((sm.discount/100.0 * si.end_price) ,2) + ROUND((ROUND(si.end_price - "
        "(sm.discount/100.0 * si.end_price) ,2) * (sp.partner_vat_registered * sf.firm_vat_reg * "
        "sf.firm_vat_value/100.0)) ,2) ,2) AS sum_total, sp.partner_name, sm.invoice_no FROM supplies_main "
        "AS sm "
        "INNER JOIN (SELECT * FROM supplies_items WHERE (doc_dt >= ? AND doc_dt <= ?)) AS si ON "
        "sm.doc_id = "
        "si.doc_id INNER JOIN (SELECT * FROM supplies_partners WHERE (doc_dt >= ? AND doc_dt <= ?)) AS "
        "sp "
        "ON sm.doc_id = sp.doc_id LEFT JOIN (SELECT * FROM groups) AS g ON si.item_group = g.id INNER JOIN "
        "(SELECT * FROM supplies_firmdata WHERE (doc_dt >= ? AND doc_dt <= ?)) AS sf ON sm.doc_id = "
        "sf.doc_id WHERE (sm.doc_dt >= ? AND sm.doc_dt <= ?) ",
        GetPricePrecision(), from, to, from, to, from, to, from, to);
    if (m_conditions.partnerId != 0)
        sql += Sql(" AND sm.partner_id = ? ", m_conditions.partnerId);
    if (!Search().Text().isEmpty())
        sql += Sql(" AND %s ", m_db.Dialect().SearchAnywhere({"si.item_code", "si.item_name"}, Search().Text()));
    // Lines of one item in one delivery keep the order they were entered in.
    sql += " ORDER BY sm.doc_dt ASC, sm.doc_id ASC, si.item_name ASC, si.seq_id ASC;";
    return InFirmCurrency(sql, {"si.price", "si.end_price"}, "sm.doc_dt", m_conditions.from, m_conditions.to);
}

std::optional<QStringList> DeliveriesReport::RowOf(const ResultTable& t, int r) {
    if (!Filter().Passes(t.Int(r, 4)))
        return std::nullopt;
    const QString code = t.Text(r, 2);
    const QString name = t.Text(r, 3).isEmpty() ? code : t.Text(r, 3);
    return QStringList{SqlToDisplayDate(t.Text(r, 0).left(10)),
                       FormatDocNumber(t.Int(r, 1)),
                       code,
                       name,
                       t.Text(r, 5, "-"),
                       t.Text(r, 6),
                       QString::asprintf("%.3f", t.Double(r, 7)),
                       MoneyCell(t.Double(r, 8)),
                       MoneyCell(t.Double(r, 9)),
                       MoneyCell(t.Double(r, 11)),
                       MoneyCell(t.Double(r, 12)),
                       MoneyCell(t.Double(r, 13)),
                       t.Text(r, 14),
                       t.Text(r, 15)};
}

// Summed from the rows loaded, in the behaviour: no second reader of the list.
void DeliveriesReport::ComputeTotals() {
    if (m_conditions.summary)
        MergeRows(2, {6, 8, 9, 10, 11}, 6, 7, 8, {0, 1, 12, 13}, {3, 2, 2, 2, 2});
    m_value = m_discount = m_vat = 0;
    for (const QStringList& row : Rows()) {
        m_value += CellNumber(row.value(8));
        m_discount += CellNumber(row.value(9));
        m_vat += CellNumber(row.value(10));
    }
}

std::vector<std::pair<QString, QString>> DeliveriesReport::TotalFields() const {
    return {{"СТ-СТ:", QString::asprintf("%.2f ", m_value)},
            {"Т.О.:", QString::asprintf("%.2f ", m_discount)},
            {"ДДС:", QString::asprintf("%.2f ", m_vat)},
            {"ТОТАЛ:", QString::asprintf("%.2f ", Total())}};
}
