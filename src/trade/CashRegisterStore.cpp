#include "trade/CashRegisterStore.h"

#include "base/Clock.h"
#include "db/Database.h"
#include "db/Schema.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"

#include <numeric>

double CashOperation::Paid() const {
    return RoundHalfUp(std::accumulate(payments.begin(), payments.end(), 0.0,
                                       [](double sum, const CashPayment& p) { return sum + p.amount; }),
                       2);
}

double CashOperation::Remaining() const {
    return RoundHalfUp(amount - Paid(), 2);
}

double CashRow::Remaining() const {
    return RoundHalfUp(amount - paid, 2);
}

CashFilter CashFilter::Defaults(const Clock& clock) {
    CashFilter filter;
    filter.to = clock.Now().date();
    filter.from = filter.to.addDays(-6);
    return filter;
}

namespace CashRegisterStore {

namespace {
// The payments are summed per operation once, in cents, and joined to the
// operations: no statement per row.
constexpr const char* kRowSelect =
    "SELECT c.rec_id, c.op_type, c.based_on_doc_id, c.doc_dt, c.pay_to_dt, c.description, "
    "COALESCE(p.partner_name, '-'), c.amount, COALESCE(s.paid, 0), c.osnovanie, c.bank_payment, "
    "COALESCE(s.cnt, 0) "
    "FROM cash_register AS c LEFT JOIN (SELECT rec_id, ROUND(SUM(amount), 2) AS paid, COUNT(*) AS cnt FROM "
    "cash_register_cmp GROUP BY rec_id) AS s ON s.rec_id = c.rec_id LEFT JOIN partners AS p ON "
    "p.partner_id = c.partner_id ";

CashRow rowOf(const ResultTable& table, int r) {
    CashRow row;
    row.recId = table.Int(r, 0);
    row.opType = table.Int(r, 1);
    row.basedOn = table.Int(r, 2);
    row.date = SqlToDate(table.Text(r, 3).left(10));
    row.payTo = SqlToDate(table.Text(r, 4).left(10));
    row.description = table.Text(r, 5);
    row.partnerName = table.Text(r, 6);
    row.amount = RoundHalfUp(table.Double(r, 7), 2);
    row.paid = RoundHalfUp(table.Double(r, 8), 2);
    row.basis = table.Text(r, 9);
    row.bank = table.Int(r, 10) != 0;
    row.payments = table.Int(r, 11);
    return row;
}

bool writePayments(WriteTransaction& t, int recId, const CashOperation& op) {
    for (const CashPayment& payment : op.payments)
        if (!t.ExecPrintf("INSERT INTO cash_register_cmp VALUES(?, NULL, ?, ?);", recId,
                          DateToSql(payment.date), SqlDecimal{payment.amount, 2}))
            return false;
    return true;
}
} // namespace

bool LoadRows(Database& db, const CashFilter& filter, std::vector<CashRow>& rows) {
    // Both days inclusive, whatever time of day a date carries.
    QByteArray where = "WHERE c.doc_dt >= ? AND c.doc_dt < ?";
    if (filter.type == CashFilter::IncomeOnly)
        where += " AND c.op_type = 0";
    else if (filter.type == CashFilter::ExpenseOnly)
        where += " AND c.op_type = 1";
    if (filter.method == CashFilter::CashOnly)
        where += " AND c.bank_payment = 0";
    else if (filter.method == CashFilter::BankOnly)
        where += " AND c.bank_payment = 1";
    if (filter.show == CashFilter::PaidOnly)
        where += " AND ROUND(c.amount - COALESCE(s.paid, 0), 2) <= 0";
    else if (filter.show == CashFilter::UnpaidOnly)
        where += " AND ROUND(c.amount - COALESCE(s.paid, 0), 2) > 0";
    if (!filter.partners.empty()) {
        QStringList ids;
        for (int id : filter.partners)
            ids << QString::number(id);
        where += " AND c.partner_id IN (" + ids.join(", ").toUtf8() + ")";
    }
    const QByteArray statement = QByteArray(kRowSelect) + where + " ORDER BY c.rec_id;";
    ResultTable table;
    if (!db.Query(table, statement.constData(), DateToSql(filter.from), DateToSql(filter.to.addDays(1))))
        return false;
    rows.clear();
    rows.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r)
        rows.push_back(rowOf(table, r));
    return true;
}

std::optional<CashRow> LoadRow(Database& db, int recId) {
    const QByteArray statement = QByteArray(kRowSelect) + "WHERE c.rec_id = ?;";
    ResultTable table;
    if (!db.Query(table, statement.constData(), recId) || table.Empty())
        return std::nullopt;
    return rowOf(table, 1);
}

std::optional<CashOperation> LoadOperation(Database& db, int recId) {
    ResultTable head;
    ResultTable payments;
    if (!db.Query(
            head,
            "SELECT c.rec_id, c.op_type, c.osnovanie, c.doc_dt, c.pay_to_dt, c.description, c.partner_id, "
            "COALESCE(p.partner_name, ''), c.amount, c.based_on_doc_id, c.bank_payment FROM cash_register AS "
            "c LEFT JOIN partners AS p ON p.partner_id = c.partner_id WHERE c.rec_id = ?;",
            recId) ||
        head.Empty() ||
        !db.Query(payments, "SELECT pay_dt, amount FROM cash_register_cmp WHERE rec_id = ? ORDER BY id;",
                  recId))
        return std::nullopt;
    CashOperation op;
    op.recId = head.Int(1, 0);
    op.opType = head.Int(1, 1);
    op.basis = head.Text(1, 2);
    op.date = SqlToDate(head.Text(1, 3).left(10));
    op.payTo = SqlToDate(head.Text(1, 4).left(10));
    op.description = head.Text(1, 5);
    op.partnerId = head.Int(1, 6);
    op.partnerName = head.Text(1, 7);
    op.amount = RoundHalfUp(head.Double(1, 8), 2);
    op.basedOn = head.Int(1, 9);
    op.bank = head.Int(1, 10) != 0;
    for (int r = 1; r <= payments.Rows(); ++r)
        op.payments.push_back(
            {r, SqlToDate(payments.Text(r, 0).left(10)), RoundHalfUp(payments.Double(r, 1), 2)});
    return op;
}

std::optional<int> Insert(WriteTransaction& t, const CashOperation& op) {
    const std::optional<long long> recId = t.InsertReturning(SqlCompose(
        "INSERT INTO cash_register (op_type, osnovanie, doc_dt, pay_to_dt, description, partner_id, amount, "
        "based_on_doc_id, bank_payment) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING rec_id;",
        {op.opType, op.basis, DateToSql(op.date), DateToSql(op.payTo), op.description, op.partnerId,
         SqlDecimal{op.amount, 2}, op.basedOn, op.bank ? 1 : 0}));
    if (!recId || !writePayments(t, static_cast<int>(*recId), op))
        return std::nullopt;
    return static_cast<int>(*recId);
}

bool Rewrite(WriteTransaction& t, const CashOperation& op) {
    return t.ExecPrintf("UPDATE cash_register SET op_type = ?, osnovanie = ?, doc_dt = ?, pay_to_dt = "
                        "?, description = ?, partner_id = ?, amount = ?, bank_payment = ? WHERE "
                        "rec_id = ?;",
                        op.opType, op.basis, DateToSql(op.date), DateToSql(op.payTo), op.description,
                        op.partnerId, SqlDecimal{op.amount, 2}, op.bank ? 1 : 0, op.recId) &&
           t.ExecPrintf("DELETE FROM cash_register_cmp WHERE rec_id = ?;", op.recId) &&
           writePayments(t, op.recId, op);
}

bool Delete(WriteTransaction& t, int recId) {
    return t.ExecPrintf("DELETE FROM cash_register_cmp WHERE rec_id = ?;", recId) &&
           t.ExecPrintf("DELETE FROM cash_register WHERE rec_id = ?;", recId);
}

bool LoadFilterPartners(Database& db, PartnerTab tab, const QString& search,
                        std::vector<std::pair<int, QString>>& out) {
    const char* kind = tab == PartnerTab::Customers   ? " AND partner_is_customer = '1' "
                       : tab == PartnerTab::Suppliers ? " AND partner_is_supplier = '1' "
                                                      : "";
    ResultTable table;
    if (!db.Query(table,
                  "SELECT DISTINCT partner_id, partner_name FROM partners WHERE %s %s "
                  "ORDER BY partner_name ASC",
                  db.Dialect().SearchAnywhere({"partner_name"}, search), SqlStatement(kind)))
        return false;
    out.clear();
    for (int r = 1; r <= table.Rows(); ++r)
        out.emplace_back(table.Int(r, 0), table.Text(r, 1));
    return true;
}

bool WriteDocumentOperation(WriteTransaction& t, const DocumentOperation& op) {
    if (!t.ExecPrintf(
            "UPDATE cash_register SET doc_dt = ?, pay_to_dt = ?, partner_id = ?, amount = ?, "
            "bank_payment = ?, osnovanie = ?, description = ? WHERE based_on_doc_id = ? AND op_type = ? "
            "AND based_on_doc_id != '0';",
            DateToSql(op.date), DateToSql(op.payTo), op.partnerId, SqlDecimal{op.amount, 2}, op.bank ? 1 : 0,
            op.basis, op.description, op.docId, op.opType))
        return false;
    return t.ChangedRows() > 0 ||
           t.ExecPrintf(
               "INSERT INTO cash_register (op_type, osnovanie, doc_dt, pay_to_dt, description, partner_id, "
               "amount, based_on_doc_id, bank_payment) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?);",
               op.opType, op.basis, DateToSql(op.date), DateToSql(op.payTo), op.description, op.partnerId,
               SqlDecimal{op.amount, 2}, op.docId, op.bank ? 1 : 0);
}

bool FollowDocument(WriteTransaction& t, int opType, int docId, const QDate& date, const QDate& payTo,
                    int partnerId) {
    return t.ExecPrintf("UPDATE cash_register SET doc_dt = ?, pay_to_dt = ?, partner_id = ? WHERE "
                        "based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0';",
                        DateToSql(date), DateToSql(payTo), partnerId, docId, opType);
}

bool PayDocumentOperation(WriteTransaction& t, int opType, int docId, const QDate& date, double amount) {
    return t.ExecPrintf(
               "DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM cash_register WHERE "
               "based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0');",
               docId, opType) &&
           t.ExecPrintf("INSERT INTO cash_register_cmp SELECT rec_id, NULL, ?, ? FROM cash_register "
                        "WHERE based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0';",
                        DateToSql(date), SqlDecimal{amount, 2}, docId, opType);
}

bool DeleteDocumentOperations(WriteTransaction& t, int opType, int docId) {
    return t.ExecPrintf(
               "DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM cash_register WHERE "
               "based_on_doc_id = ? AND op_type = ? AND based_on_doc_id != '0');",
               docId, opType) &&
           t.ExecPrintf("DELETE FROM cash_register WHERE based_on_doc_id = ? AND op_type = ? AND "
                        "based_on_doc_id != '0';",
                        docId, opType);
}

bool InsertCreditNoteOperation(WriteTransaction& t, int creditNote, const DocumentOperation& op) {
    if (!t.Exec(t.Dialect().CreateTable(Schema::kCreditNoteCash)) ||
        !DeleteCreditNoteOperation(t, true, creditNote))
        return false;
    const std::optional<long long> recId = t.InsertReturning(
        SqlCompose("INSERT INTO cash_register (op_type, osnovanie, doc_dt, pay_to_dt, description, "
                   "partner_id, amount, based_on_doc_id, bank_payment) VALUES(?, ?, ?, ?, ?, ?, ?, "
                   "'0', '0') RETURNING rec_id;",
                   {op.opType, op.basis, DateToSql(op.date), DateToSql(op.payTo), op.description,
                    op.partnerId, SqlDecimal{op.amount, 2}}));
    return recId && t.ExecPrintf("INSERT INTO credit_note_cash (credit_note_id, rec_id) VALUES(?, ?);",
                                 creditNote, *recId);
}

bool DeleteCreditNoteOperation(WriteTransaction& t, bool linksExist, int creditNote) {
    if (!linksExist)
        return true;
    return t.ExecPrintf(
               "DELETE FROM cash_register_cmp WHERE rec_id IN (SELECT rec_id FROM credit_note_cash WHERE "
               "credit_note_id = ?);",
               creditNote) &&
           t.ExecPrintf(
               "DELETE FROM cash_register WHERE rec_id IN (SELECT rec_id FROM credit_note_cash WHERE "
               "credit_note_id = ?);",
               creditNote) &&
           t.ExecPrintf("DELETE FROM credit_note_cash WHERE credit_note_id = ?;", creditNote);
}

} // namespace CashRegisterStore
