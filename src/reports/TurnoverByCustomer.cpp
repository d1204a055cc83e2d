#include "reports/TurnoverByCustomer.h"

#include "base/Clock.h"
#include "db/ResultTable.h"
#include "format/SqlDates.h"

TurnoverByCustomer::TurnoverByCustomer(Database& db, Prompter& prompter, const Clock& clock)
    : Report(db, prompter, clock) {
    const QDate today = clock.Now().date();
    m_from = QDate(today.year(), today.month(), 1);
    m_to = m_from.addMonths(1).addDays(-1);
}

std::vector<ListColumn> TurnoverByCustomer::Columns() {
    return {{"#", 0, Qt::AlignLeft, SortType::Integer},
            {"наименование на клиента", 350, Qt::AlignLeft, SortType::Text},
            {"нето сума", 120, Qt::AlignRight, SortType::Decimal},
            {"сума с ДДС", 120, Qt::AlignRight, SortType::Decimal}};
}

void TurnoverByCustomer::SetPeriod(const QDate& from, const QDate& to) {
    m_from = from;
    m_to = to;
}

// "GROUP BY sm.partner_id," before "ORDER BY" does not prepare in SQLite 3:
// the comma is left out.
SqlStatement TurnoverByCustomer::Statement() {
    return InFirmCurrency(
        Sql("SELECT sm.partner_id, p.partner_name, SUM(sm.oblagaema_sum), SUM(sm.total_sum) FROM "
            "stokovi_main AS sm "
            "INNER JOIN (SELECT * FROM partners) AS p ON sm.partner_id = p.partner_id WHERE (sm.doc_dt >= "
            "? AND "
            "sm.doc_dt <= ?) GROUP BY sm.partner_id, p.partner_name ORDER BY p.partner_name ASC",
            DateToSql(m_from), DateToSql(m_to)),
        {"sm.oblagaema_sum", "sm.total_sum"}, "sm.doc_dt", m_from, m_to);
}

std::optional<QStringList> TurnoverByCustomer::RowOf(const ResultTable& t, int r) {
    return QStringList{t.Text(r, 0), t.Text(r, 1), QString::asprintf("%.2f", t.Double(r, 2)),
                       QString::asprintf("%.2f", t.Double(r, 3))};
}

void TurnoverByCustomer::ComputeTotals() {
    m_net = ColumnSum(2);
    m_gross = ColumnSum(3);
}
