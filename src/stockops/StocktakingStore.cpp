#include "stockops/StocktakingStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "masterdata/CostPrices.h"
#include "masterdata/GroupStore.h"
#include "masterdata/SharedRollUps.h"

#include <QHash>

std::optional<std::vector<StocktakingLine>>
StocktakingStore::NewLines(const std::function<void(int, int)>& progress) {
    ResultTable items;
    if (!m_db.Query(
            items, "SELECT code, stock_name, stock_group, units, quantity, cost_price, is_recipe, price_1, "
                   "price_2 FROM stocks WHERE is_service = '0' AND is_hidden = '0' ORDER BY stock_name ASC;"))
        return std::nullopt;
    std::vector<StocktakingLine> lines;
    lines.reserve(static_cast<size_t>(items.Rows()));
    QHash<int, QString> groupNames;
    SharedRollUps rollUps(m_db);
    for (int r = 1; r <= items.Rows(); ++r) {
        StocktakingLine line;
        line.code = items.Text(r, 0);
        line.name = items.Text(r, 1);
        line.groupId = items.Int(r, 2);
        line.units = items.Text(r, 3);
        line.projected = line.counted = line.loadedCounted = RoundHalfUp(items.Double(r, 4), 3);
        line.cost =
            items.Int(r, 6) != 0 ? rollUps.CostOf(line.code) : RoundHalfUp(items.Double(r, 5), 2);
        line.price1 = RoundHalfUp(items.Double(r, 7), 2);
        line.price2 = RoundHalfUp(items.Double(r, 8), 2);
        auto name = groupNames.find(line.groupId);
        if (name == groupNames.end())
            name = groupNames.insert(line.groupId, GroupStore(m_db).Name(line.groupId));
        line.groupName = *name;
        lines.push_back(line);
        if (progress && (r % 200 == 0 || r == items.Rows()))
            progress(r, items.Rows());
    }
    rollUps.Finish();
    return lines;
}

std::optional<int> StocktakingStore::NextNumber() {
    return NextDocumentNumber(m_db, "revisions");
}

bool StocktakingStore::Load(int number, std::vector<StocktakingLine>& lines) {
    ResultTable t;
    if (!m_db.Query(t,
                    "SELECT rc.item_code, rc.item_name, rc.group_id, rc.group_name, rc.item_units, "
                    "rc.projected_quantity, rc.actual_quantity, rc.cost_price, s.price_1, s.price_2 FROM "
                    "revisions_cmp AS rc LEFT JOIN(SELECT * FROM stocks) AS s ON s.code = rc.item_code WHERE "
                    "rc.doc_id = ?;",
                    number))
        return false;
    lines.clear();
    for (int r = 1; r <= t.Rows(); ++r) {
        StocktakingLine line;
        line.code = t.Text(r, 0);
        line.name = t.Text(r, 1);
        line.groupId = t.Int(r, 2);
        line.groupName = t.Text(r, 3);
        line.units = t.Text(r, 4);
        line.projected = RoundHalfUp(t.Double(r, 5), 3);
        line.counted = line.loadedCounted = RoundHalfUp(t.Double(r, 6), 3);
        line.cost = RoundHalfUp(t.Double(r, 7), 2);
        line.price1 = RoundHalfUp(t.Double(r, 8), 2);
        line.price2 = RoundHalfUp(t.Double(r, 9), 2);
        lines.push_back(line);
    }
    return true;
}

std::optional<double> StocktakingStore::StoredCount(int number, const QString& code) {
    ResultTable t;
    if (!m_db.Query(
            t,
            "SELECT ROUND(actual_quantity, 3) FROM revisions_cmp WHERE doc_id = ? AND item_code = ?;",
            number, code) ||
        t.Empty())
        return std::nullopt;
    return t.Double(1, 0);
}

bool StocktakingStore::Delete(WriteTransaction& t, int number) {
    return t.ExecPrintf("DELETE FROM revisions WHERE doc_id = ?;", number) &&
           t.ExecPrintf("DELETE FROM revisions_cmp WHERE doc_id = ?;", number);
}

bool StocktakingStore::InsertHeader(WriteTransaction& t, const StocktakingDocument& doc) {
    return t.ExecPrintf("INSERT INTO revisions VALUES(?, ?, ?);", doc.docId, DateToSql(doc.date),
                        doc.notes);
}

bool StocktakingStore::InsertLine(WriteTransaction& t, const StocktakingDocument& doc, const StocktakingLine& line) {
    return t.ExecPrintf(
        "INSERT INTO revisions_cmp VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?);",
        doc.docId, DateToSql(doc.date), line.code, line.name, line.groupId, line.groupName, line.units,
        SqlDecimal{RoundHalfUp(line.projected, 3), 3}, SqlDecimal{RoundHalfUp(line.counted, 3), 3}, SqlDecimal{RoundHalfUp(line.cost, 2), 5});
}
