#include "documents/WarrantyCardStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

#include <cmath>

QString BaseDocumentText(const WarrantyCard& card) {
    switch (card.baseKind) {
    case WarrantyCard::GoodsNote:
        return "КЪМ СТ. Р-КА № " + QString::asprintf("%.10d", card.baseNumber);
    case WarrantyCard::Invoice:
        return "КЪМ Ф-РА №: " + QString::asprintf("%.10d", card.baseNumber);
    default:
        return "БЕЗ БАЗОВ ДОКУМЕНТ";
    }
}

namespace WarrantyCardStore {

std::optional<int> NextNumber(Database& db) {
    return NextDocumentNumber(db, "gk_main");
}

std::optional<WarrantyCard> Load(Database& db, int number) {
    ResultTable head;
    ResultTable lines;
    if (!db.Query(head, "SELECT * FROM gk_main WHERE doc_id = ?;", number) || head.Empty() ||
        !db.Query(lines, "SELECT * FROM gk_items WHERE doc_id = ? ORDER BY seq_id ;", number))
        return std::nullopt;
    WarrantyCard card;
    card.number = head.Int(1, head.Column("doc_id"));
    card.stored = true;
    card.date = SqlToDate(head.Text(1, head.Column("doc_dt")));
    card.customerId = head.Int(1, head.Column("customer_id"));
    card.customerName = head.Text(1, head.Column("customer_name"));
    card.receivedBy = head.Text(1, head.Column("received_by"));
    card.baseKind = head.Int(1, head.Column("to_doc_mode"));
    card.baseNumber = head.Int(1, head.Column("to_doc_id"));
    card.term = head.Int(1, head.Column("gk_term"));
    card.placement = head.Int(1, head.Column("cond_placement"));
    card.conditions = head.Text(1, head.Column("cond_text"));
    const int code = lines.Column("item_code"), name = lines.Column("item_name"),
              units = lines.Column("item_units"), quantity = lines.Column("item_qtty"),
              serial = lines.Column("item_serial"), months = lines.Column("valid_for"),
              notes = lines.Column("item_notes");
    for (int r = 1; r <= lines.Rows(); ++r)
        card.lines.push_back({lines.Text(r, code), lines.Text(r, name), lines.Text(r, units),
                              static_cast<int>(std::lround(lines.Double(r, quantity))), lines.Text(r, serial),
                              lines.Int(r, months), lines.Text(r, notes)});
    return card;
}

std::optional<int> Write(Database& db, WriteTransaction& t, const WarrantyCard& card) {
    int number = card.number;
    if (!card.stored) {
        // Read under the lock: two seats never take the same number.
        const std::optional<int> next = NextNumber(db);
        if (!next)
            return std::nullopt;
        number = *next;
    } else if (!t.ExecPrintf("DELETE FROM gk_items WHERE doc_id = ?;", number) ||
               !t.ExecPrintf("DELETE FROM gk_main WHERE doc_id = ?;", number)) {
        return std::nullopt;
    }
    const QString date = DateToSql(card.date);
    if (!t.ExecPrintf(
            "INSERT INTO gk_main VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?);", number,
            date, card.customerId, card.customerName, card.receivedBy, card.baseKind, card.baseNumber,
            card.term, card.placement, card.conditions))
        return std::nullopt;
    int seq = 0;
    for (const WarrantyLine& line : card.lines)
        if (!t.ExecPrintf(
                "INSERT INTO gk_items VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?);",
                number, date, card.customerId, ++seq, line.code, line.name, line.units, line.quantity,
                line.serial, line.months, line.notes))
            return std::nullopt;
    return number;
}

bool Delete(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows({"gk_main", "gk_items"}, number);
}

} // namespace WarrantyCardStore
