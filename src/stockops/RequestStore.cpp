#include "stockops/RequestStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

#include <numeric>

double SupplierRequest::Total() const {
    if (!hasPrices)
        return 0;
    return std::accumulate(lines.begin(), lines.end(), 0.0,
                           [](double sum, const RequestLine& line) { return sum + line.value; });
}

namespace RequestStore {

namespace {
bool writeLines(WriteTransaction& t, int number, const SupplierRequest& request) {
    const QString date = DateToSql(request.date);
    for (const RequestLine& line : request.lines) {
        const bool ok =
            request.hasPrices
                ? t.ExecPrintf("INSERT INTO requests_items VALUES (?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?);",
                               number, date, request.partnerId, line.seq, line.name, line.code,
                               line.supplierCode, line.units, SqlDecimal{line.quantity, 2}, SqlDecimal{line.price, 2}, SqlDecimal{line.value, 2},
                               line.notes)
                : t.ExecPrintf("INSERT INTO requests_items VALUES (?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, '0', '0', ?);",
                               number, date, request.partnerId, line.seq, line.name, line.code,
                               line.supplierCode, line.units, SqlDecimal{line.quantity, 2}, line.notes);
        if (!ok)
            return false;
    }
    return true;
}
} // namespace

std::optional<int> NextNumber(Database& db) {
    return NextDocumentNumber(db, "requests_main");
}

QStringList Carriers(Database& db) {
    ResultTable table;
    QStringList carriers;
    if (db.Query(table, "SELECT DISTINCT transported_by FROM requests_main WHERE transported_by IS NOT NULL "
                        "AND transported_by != '';"))
        for (int r = 1; r <= table.Rows(); ++r)
            carriers << table.Text(r, 0);
    return carriers;
}

QStringList SupplierCodes(Database& db, const QString& itemCode, int supplierId) {
    ResultTable table;
    QStringList codes;
    if (db.Query(table,
                 "SELECT partner_code FROM stock_codes WHERE stock_code = ? ORDER BY partner_id != ?, "
                 "rec_id;",
                 itemCode, supplierId))
        for (int r = 1; r <= table.Rows(); ++r)
            if (!table.Text(r, 0).isEmpty() && !codes.contains(table.Text(r, 0)))
                codes << table.Text(r, 0);
    return codes;
}

std::optional<SupplierRequest> Load(Database& db, int number) {
    ResultTable head;
    ResultTable lines;
    if (!db.Query(head, "SELECT * FROM requests_main WHERE doc_id = ?;", number) || head.Empty() ||
        !db.Query(lines, "SELECT * FROM requests_items WHERE doc_id = ? ORDER BY seq_id ;", number))
        return std::nullopt;
    SupplierRequest request;
    request.number = head.Int(1, head.Column("doc_id"));
    request.date = SqlToDate(head.Text(1, head.Column("doc_dt")));
    request.partnerId = head.Int(1, head.Column("partner_id"));
    request.partnerName = head.Text(1, head.Column("partner_name"));
    request.preparedBy = head.Text(1, head.Column("prepared_by"));
    request.carrier = head.Text(1, head.Column("transported_by"));
    request.notes = head.Text(1, head.Column("notes"));
    request.completed = head.Int(1, head.Column("completed")) != 0;
    request.hasPrices = head.Int(1, head.Column("has_prices")) != 0;
    request.currency = head.Text(1, head.Column("curr"));
    if (request.currency.isEmpty())
        request.currency = "BGL";
    const int seq = lines.Column("seq_id"), name = lines.Column("name"), code = lines.Column("code"),
              supplierCode = lines.Column("supplier_code"), units = lines.Column("units"),
              quantity = lines.Column("qtty"), price = lines.Column("price"),
              value = lines.Column("sumprice"), notes = lines.Column("notes");
    for (int r = 1; r <= lines.Rows(); ++r) {
        RequestLine line;
        line.seq = lines.Int(r, seq);
        line.name = lines.Text(r, name);
        line.code = lines.Text(r, code);
        line.supplierCode = lines.Text(r, supplierCode);
        line.units = lines.Text(r, units);
        line.quantity = lines.Double(r, quantity);
        if (request.hasPrices) {
            line.price = lines.Double(r, price);
            line.value = lines.Double(r, value);
        }
        line.notes = lines.Text(r, notes);
        request.lines.push_back(line);
    }
    return request;
}

std::optional<int> WriteNew(WriteTransaction& t, Database& db, const SupplierRequest& request) {
    const std::optional<int> free = FreeDocumentNumber(db, "requests_main", request.number);
    if (!free)
        return std::nullopt;
    const int number = *free;
    if (!t.ExecPrintf(
            "INSERT INTO requests_main VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?)",
            number, DateToSql(request.date), request.partnerId, request.partnerName, request.preparedBy,
            request.carrier, request.notes, request.completed ? 1 : 0, request.hasPrices ? 1 : 0,
            SqlDecimal{request.Total(), 2}, request.currency) ||
        !writeLines(t, number, request))
        return std::nullopt;
    return number;
}

bool Rewrite(WriteTransaction& t, const SupplierRequest& request) {
    return t.ExecPrintf("UPDATE requests_main SET doc_dt = ?, partner_id = ?, partner_name = ?, "
                        "prepared_by = ?, transported_by = ?, notes = ?, completed = ?, total = "
                        "?, curr = ? WHERE doc_id = ?;",
                        DateToSql(request.date), request.partnerId, request.partnerName, request.preparedBy,
                        request.carrier, request.notes, request.completed ? 1 : 0, SqlDecimal{request.Total(), 2},
                        request.currency, request.number) &&
           t.ExecPrintf("DELETE FROM requests_items WHERE doc_id = ?;", request.number) &&
           writeLines(t, request.number, request);
}

bool Delete(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows({"requests_main", "requests_items"}, number);
}

} // namespace RequestStore
