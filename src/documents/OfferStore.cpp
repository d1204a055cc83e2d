#include "documents/OfferStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/WriteTransaction.h"
#include "format/SqlDates.h"

namespace OfferStore {

std::optional<int> NextNumber(Database& db) {
    return NextDocumentNumber(db, "offers");
}

std::optional<Offer> Load(Database& db, int number) {
    ResultTable head;
    ResultTable lines;
    if (!db.Query(head, "SELECT * FROM offers WHERE doc_id = ? LIMIT 1;", number) || head.Empty() ||
        !db.Query(
            lines,
            "SELECT rec_id, item_name, item_units, ROUND(quantity, 2), ROUND(price, 2), ROUND((quantity "
            "* price), 2) FROM offers_cmp WHERE doc_id = ? ORDER BY rec_id DESC;",
            number))
        return std::nullopt;
    Offer offer;
    offer.number = head.Int(1, head.Column("doc_id"));
    offer.date = SqlToDate(head.Text(1, head.Column("doc_dt")));
    offer.toPerson = head.Text(1, head.Column("to_person"));
    offer.subtitle = head.Text(1, head.Column("subtitle"));
    offer.note = head.Text(1, head.Column("note"));
    offer.validity = head.Text(1, head.Column("validity"));
    offer.signedBy = head.Text(1, head.Column("signed_by"));
    offer.vatUsed = head.Int(1, head.Column("vat_used")) != 0;
    offer.discount = head.Double(1, head.Column("discount"));
    for (int r = 1; r <= lines.Rows(); ++r)
        offer.lines.push_back({lines.Int(r, 0), lines.Text(r, 1), lines.Text(r, 2), lines.Double(r, 3),
                               lines.Double(r, 4), QString()});
    return offer;
}

std::optional<int> Write(WriteTransaction& t, Database& db, const Offer& offer, bool isNew) {
    int number = offer.number;
    if (isNew) {
        const std::optional<int> free = FreeDocumentNumber(db, "offers", number);
        if (!free)
            return std::nullopt;
        number = *free;
    } else if (!t.ExecPrintf("DELETE FROM offers WHERE doc_id = ?;", number) ||
               !t.ExecPrintf("DELETE FROM offers_cmp WHERE doc_id = ?;", number)) {
        return std::nullopt;
    }
    const QString date = DateToSql(offer.date);
    if (!t.ExecPrintf("INSERT INTO offers VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?);",
                      number, date, offer.toPerson, offer.subtitle, offer.note, offer.validity,
                      offer.signedBy, offer.vatUsed ? 1 : 0, SqlDecimal{offer.discount, 2}))
        return std::nullopt;
    for (const OfferLine& line : offer.lines)
        if (!t.ExecPrintf("INSERT INTO offers_cmp VALUES(?, ?, NULL, ?, ?, ?, ?);",
                          number, date, line.name, line.units, SqlDecimal{line.quantity, 2}, SqlDecimal{line.price, 2}))
            return std::nullopt;
    return number;
}

bool Delete(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows({"offers", "offers_cmp"}, number);
}

} // namespace OfferStore
