#include "stockops/ProductionStore.h"

#include "db/Database.h"
#include "db/DocumentNumbers.h"
#include "db/ResultTable.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "masterdata/Item.h"

namespace {
QString sqlDate(const QDate& date) {
    return date.isValid() ? DateToSql(date) : QString();
}
} // namespace

// The code is bound: a product code may hold an apostrophe.
std::optional<std::vector<ProductionEntry>> ProductionStore::Entries(const QString& productCode,
                                                                     double produced) {
    ResultTable recipe;
    if (!m_db.Query(
            recipe,
            "SELECT code, ROUND(quantity, 3) AS quantity, ROUND(randeman, 2) AS randeman FROM stocks_cmp WHERE "
            "owner_code = ? ORDER BY code;",
            productCode))
        return std::nullopt;
    std::vector<ProductionEntry> entries;
    for (int r = 1; r <= recipe.Rows(); ++r) {
        Item component;
        if (!LoadItem(m_db, recipe.Text(r, 0), component))
            return std::nullopt;
        entries.push_back({component.code, component.name, component.group, component.units,
                           Productions::Consumption(produced, recipe.Double(r, 1), recipe.Double(r, 2)),
                           RoundHalfUp(component.costPrice, 2)});
    }
    return entries;
}

std::optional<int> ProductionStore::NextNumber() {
    return NextDocumentNumber(m_db, "production");
}

QStringList ProductionStore::Operators() {
    ResultTable names;
    QStringList operators;
    if (m_db.Query(names, "SELECT DISTINCT produced_by FROM production;"))
        for (int r = 1; r <= names.Rows(); ++r)
            if (!names.Text(r, 0).isEmpty())
                operators << names.Text(r, 0);
    return operators;
}

bool ProductionStore::Insert(WriteTransaction& t, const ProductionDocument& doc) {
    const QString date = sqlDate(doc.date);
    if (!t.ExecPrintf("INSERT INTO production VALUES(?, ?, ?);", doc.docId, date, doc.producedBy))
        return false;
    for (const ProductionLine& line : doc.lines) {
        if (!t.ExecPrintf(
                "INSERT INTO production_cmp VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?);",
                doc.docId, date, line.seq, line.code, line.name, line.group, line.units,
                SqlDecimal{RoundHalfUp(line.quantity, 3), 3}, SqlDecimal{RoundHalfUp(line.cost, 2), 5}, doc.producedBy))
            return false;
        for (const ProductionEntry& e : line.entries)
            if (!t.ExecPrintf(
                    "INSERT INTO production_cmp_entries VALUES(?, ?, ?, ?, ?, ?, ?, "
                    "?, ?);",
                    doc.docId, date, line.seq, e.code, e.name, e.group, e.units, SqlDecimal{RoundHalfUp(e.quantity, 3), 3},
                    SqlDecimal{RoundHalfUp(e.cost, 2), 5}))
                return false;
    }
    return true;
}

bool ProductionStore::UpdateStored(WriteTransaction& t, const ProductionDocument& doc) {
    const QString date = sqlDate(doc.date);
    return t.ExecPrintf("UPDATE production SET doc_dt = ?, produced_by = ? WHERE doc_id = ?;", date,
                        doc.producedBy, doc.docId) &&
           t.ExecPrintf("UPDATE production_cmp SET doc_dt = ?, produced_by = ? WHERE doc_id = ?;",
                        date, doc.producedBy, doc.docId) &&
           t.ExecPrintf("UPDATE production_cmp_entries SET doc_dt = ? WHERE doc_id = ?;", date,
                        doc.docId);
}

bool ProductionStore::Load(int number, ProductionDocument& doc) {
    ResultTable header, lines, materials;
    if (!m_db.Query(header, "SELECT doc_dt, produced_by FROM production WHERE doc_id = ?;", number) ||
        header.Empty() ||
        !m_db.Query(
            lines,
            "SELECT seq_id, code, stock_name, units, quantity, cost_price FROM production_cmp WHERE doc_id = "
            "? ORDER BY stock_name DESC;",
            number) ||
        !m_db.Query(materials,
                    "SELECT code, MAX(stock_name) AS stock_name, MAX(units) AS units, SUM(quantity) AS quantity, "
                    "AVG(cost_price) AS total FROM production_cmp_entries WHERE doc_id = ? GROUP BY code ORDER BY "
                    "stock_name ASC;",
                    number))
        return false;
    doc = ProductionDocument();
    doc.docId = number;
    doc.date = SqlToDate(header.Text(1, 0));
    doc.producedBy = header.Text(1, 1);
    for (int r = 1; r <= lines.Rows(); ++r) {
        ProductionLine line;
        line.seq = lines.Int(r, 0);
        line.code = lines.Text(r, 1);
        line.name = lines.Text(r, 2);
        line.units = lines.Text(r, 3);
        line.quantity = RoundHalfUp(lines.Double(r, 4), 3);
        line.cost = RoundHalfUp(lines.Double(r, 5), 2);
        doc.lines.push_back(line);
    }
    for (int r = 1; r <= materials.Rows(); ++r)
        doc.materials.push_back({materials.Text(r, 0), materials.Text(r, 1), materials.Text(r, 2), 0,
                                 RoundHalfUp(materials.Double(r, 3), 3),
                                 RoundHalfUp(materials.Double(r, 4), 2)});
    return true;
}

std::optional<StockMoves> ProductionStore::ConsumedQuantities(int number) {
    return ItemStore::ReadMoves(m_db, SqlCompose("SELECT code, ROUND(SUM(quantity), 3) AS quantity FROM "
                                                 "production_cmp_entries WHERE doc_id = ? GROUP BY code;",
                                                 {number}));
}

std::optional<StockMoves> ProductionStore::ProducedQuantities(int number) {
    return ItemStore::ReadMoves(
        m_db, SqlCompose("SELECT code, ROUND(SUM(quantity), 3) AS quantity FROM production_cmp WHERE doc_id = ? "
                         "GROUP BY code;",
                         {number}));
}

bool ProductionStore::Delete(WriteTransaction& t, int number) {
    return t.DeleteDocumentRows({"production", "production_cmp", "production_cmp_entries"}, number);
}
