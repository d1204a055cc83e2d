#include "masterdata/ItemStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

namespace {
// The condition that keeps the items of a view.
const char* viewCondition(ItemKinds view) {
    if (view == ItemViews::kGoodsAndMaterials)
        return "is_recipe = 0";
    if (view == ItemViews::kMaterials)
        return "is_material = 1";
    if (view == ItemViews::kProducts)
        return "is_recipe = 1 AND is_service = 0";
    if (view == ItemViews::kServices)
        return "is_service = 1";
    return "1 = 1";
}
} // namespace

QByteArray ItemStore::ListStatement(ItemKinds view, bool withHidden) {
    QByteArray sql =
        "SELECT s.code, s.stock_name, s.stock_group, s.units, s.quantity, s.min_quantity, s.cost_price, "
        "s.price_1, s.price_2, s.work_costs, s.last_price, s.is_material, s.is_recipe, s.is_service, "
        "s.is_hidden, g.name, s.is_dirty FROM stocks AS s INNER JOIN (SELECT * FROM groups) AS g ON "
        "s.stock_group = g.id ";
    if (!withHidden)
        sql += " WHERE is_hidden = 0";
    if (view != ItemViews::kAll)
        sql += QByteArray(withHidden ? " WHERE " : " AND ") + viewCondition(view) + " ";
    return sql + ";";
}

bool ItemStore::LoadList(ItemKinds view, bool withHidden, std::vector<ListRow>& rows) {
    rows.clear();
    ResultTable table;
    if (!m_db.Query(table, "%s", ListStatement(view, withHidden)))
        return false;
    const ItemRowMapper items(table);
    const int groupName = table.Column("name");
    rows.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r)
        rows.push_back({items.Read(r), table.Text(r, groupName, "")});
    return true;
}

bool ItemStore::LoadPickerList(ItemKinds tab, bool withHidden, int pricePlaces,
                               std::vector<PickerRow>& rows) {
    SqlStatement sql =
        SqlCompose("SELECT code, stock_name, ROUND(quantity, 3) AS quantity, stock_group, is_service, "
                   "ROUND(price_1, ?) AS price_1, ROUND(price_2, ?) AS price_2 FROM stocks WHERE %s",
                   {pricePlaces, pricePlaces, SqlStatement(viewCondition(tab))});
    if (!withHidden)
        sql += " AND is_hidden = 0";
    ResultTable t;
    if (!m_db.Query(t, sql + " ORDER BY stock_name ASC;"))
        return false;
    rows.clear();
    rows.reserve(static_cast<size_t>(t.Rows()));
    for (int r = 1; r <= t.Rows(); ++r)
        rows.push_back({t.Text(r, 0, ""), t.Text(r, 1, ""), t.Double(r, 2), t.Int(r, 3), t.Int(r, 4),
                        t.Double(r, 5), t.Double(r, 6)});
    return true;
}

bool ItemStore::Exists(const QString& code) {
    ResultTable table;
    return !m_db.Query(table, "SELECT code FROM stocks WHERE code = ? LIMIT 1;", code) || !table.Empty();
}

bool ItemStore::Find(const QString& code, int pricePlaces, std::optional<Item>& item) {
    item.reset();
    const int p = pricePlaces;
    ResultTable t;
    if (!m_db.Query(
            t,
            "SELECT code, stock_name, stock_group, units, ROUND(quantity, 3) AS quantity, "
            "ROUND(min_quantity, 3) AS min_quantity, ROUND(cost_price, ?) AS cost_price, "
            "ROUND(price_1, ?) AS price_1, ROUND(price_2, ?) AS price_2, ROUND(work_costs, ?) AS work_costs, "
            "ROUND(last_price, ?) AS last_price, is_material, is_recipe, is_service, is_hidden, is_dirty "
            "FROM stocks WHERE code = ?;",
            p, p, p, p, p, code))
        return false;
    if (!t.Empty())
        item = ItemRowMapper(t).Read(1);
    return true;
}

bool ItemStore::Insert(WriteTransaction& t, const Item& r) {
    return t.ExecPrintf(
        "INSERT INTO stocks (code, stock_name, stock_group, units, quantity, min_quantity, cost_price, "
        "price_1, "
        "price_2, work_costs, last_price, is_material, is_recipe, is_service, is_hidden, is_dirty) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
        r.code, r.name, r.group, r.units, SqlDecimal{r.quantity, 3}, SqlDecimal{r.minQuantity, 3},
        SqlDecimal{r.costPrice, 5}, SqlDecimal{r.price1, 5}, SqlDecimal{r.price2, 5},
        SqlDecimal{r.workCosts, 5}, SqlDecimal{r.lastPrice, 5}, r.isMaterial, r.isRecipe, r.isService,
        r.isHidden, r.isDirty);
}

double ItemStore::Quantity(const QString& code) {
    return m_db.QueryDouble(
        0, "SELECT ROUND(quantity, 3) AS quantity FROM stocks WHERE code = ? AND is_service = '0';", code);
}

std::optional<ItemStore::OnHand> ItemStore::StockOf(const QString& code) {
    ResultTable t;
    if (!m_db.Query(t, "SELECT ROUND(quantity, 3) AS quantity, is_service FROM stocks WHERE code = ?;", code))
        return std::nullopt;
    return OnHand{t.Double(1, 0), t.Int(1, 1) != 0};
}

std::optional<StockMoves> ItemStore::AllQuantities() {
    return ReadMoves(m_db, SqlStatement("SELECT code, ROUND(quantity, 3) AS quantity FROM stocks;"));
}

bool ItemStore::SetQuantity(WriteTransaction& t, const QString& code, double quantity) {
    return t.ExecPrintf("UPDATE stocks SET quantity = ? WHERE code = ?;", SqlDecimal{quantity, 3}, code);
}

// The sum is rounded to 3 decimals again, so that thousands of small changes
// leave no binary residue in the stored quantity.
bool ItemStore::IncreaseQuantity(WriteTransaction& t, const QString& code, double quantity) {
    return t.ExecPrintf("UPDATE stocks SET quantity = ROUND((quantity + ?), 3) WHERE code = ?;",
                        SqlDecimal{quantity, 3}, code);
}

bool ItemStore::DecreaseQuantity(WriteTransaction& t, const QString& code, double quantity) {
    return t.ExecPrintf("UPDATE stocks SET quantity = ROUND((quantity - ?), 3) WHERE code = ?;",
                        SqlDecimal{quantity, 3}, code);
}

bool ItemStore::IncreaseQuantities(WriteTransaction& t, const StockMoves& moves) {
    for (const StockMove& move : moves)
        if (!IncreaseQuantity(t, move.code, move.quantity))
            return false;
    return true;
}

bool ItemStore::DecreaseQuantities(WriteTransaction& t, const StockMoves& moves) {
    for (const StockMove& move : moves)
        if (!DecreaseQuantity(t, move.code, move.quantity))
            return false;
    return true;
}

std::optional<StockMoves> ItemStore::ReadMoves(Database& db, const SqlStatement& query) {
    ResultTable t;
    if (!db.Query(t, query))
        return std::nullopt;
    StockMoves moves;
    moves.reserve(static_cast<size_t>(t.Rows()));
    for (int r = 1; r <= t.Rows(); ++r)
        moves.push_back({t.Text(r, 0), t.Double(r, 1)});
    return moves;
}

std::optional<std::vector<ItemStore::RowPrices>> ItemStore::AllPrices() {
    ResultTable t;
    if (!m_db.Query(t,
                    "SELECT %s AS row_id, price_1, price_2, last_price, cost_price, work_costs FROM stocks;",
                    m_db.Dialect().RowId()))
        return std::nullopt;
    std::vector<RowPrices> rows(static_cast<size_t>(t.Rows()));
    for (int r = 1; r <= t.Rows(); ++r) {
        RowPrices& row = rows[static_cast<size_t>(r - 1)];
        row.row = t.Text(r, 0);
        for (size_t c = 0; c < row.prices.size(); ++c)
            row.prices[c] = t.Double(r, static_cast<int>(c) + 1);
    }
    return rows;
}

bool ItemStore::SetPrices(WriteTransaction& t, const RowPrices& row, int places) {
    const auto& p = row.prices;
    return t.ExecPrintf("UPDATE stocks SET price_1 = ?, price_2 = ?, last_price = ?, cost_price = ?, "
                        "work_costs = ? WHERE %s = ?;",
                        SqlDecimal{p[0], places}, SqlDecimal{p[1], places}, SqlDecimal{p[2], places},
                        SqlDecimal{p[3], places}, SqlDecimal{p[4], places}, m_db.Dialect().RowId(), row.row);
}

bool ItemStore::HasPrices() {
    return m_db.QueryInt(0,
                         "SELECT COUNT(*) FROM stocks WHERE price_1 <> 0 OR price_2 <> 0 OR last_price <> 0 "
                         "OR cost_price <> 0 OR work_costs <> 0;") > 0;
}

std::optional<bool> ItemStore::InUse(const QString& code) {
    ResultTable users;
    if (!m_db.Query(users, "SELECT * FROM stocks_cmp WHERE code = ?;", code))
        return std::nullopt;
    ResultTable stock;
    if (!m_db.Query(stock, "SELECT quantity FROM stocks WHERE code = ? AND is_service = '0';", code))
        return std::nullopt;
    return !users.Empty() || (!stock.Empty() && stock.Double(1, 0) > 0);
}

std::optional<QString> ItemStore::MissingComponent(const std::vector<ComponentLine>& lines) {
    for (const ComponentLine& line : lines) {
        ResultTable table;
        if (!m_db.Query(table, "SELECT code FROM stocks WHERE code = ?;", line.code))
            return std::nullopt;
        if (table.Empty())
            return line.code;
    }
    return QString();
}

bool ItemStore::WriteRecipe(WriteTransaction& t, const QString& owner,
                            const std::vector<ComponentLine>& lines, bool replace) {
    if (replace && !t.ExecPrintf("DELETE FROM stocks_cmp WHERE owner_code = ?;", owner))
        return false;
    for (const ComponentLine& line : lines)
        if (!t.ExecPrintf("INSERT INTO stocks_cmp VALUES(?, ?, ?, ?);", owner, line.code,
                          SqlDecimal{line.quantity, 3}, SqlDecimal{line.randeman, 2}))
            return false;
    return true;
}

bool ItemStore::Update(WriteTransaction& t, const QString& old, const Item& i) {
    if (!i.isRecipe)
        return t.ExecPrintf("UPDATE stocks SET code = ?, stock_name = ?, stock_group = ?, units = ?, "
                            "quantity = ?, min_quantity = ?, cost_price = ?, price_1 = ?, price_2 = "
                            "?, last_price = ?, is_material = ?, is_recipe = ?, is_service = ?, "
                            "is_hidden = ? WHERE code = ?;",
                            i.code, i.name, i.group, i.units, SqlDecimal{i.quantity, 3},
                            SqlDecimal{i.minQuantity, 3}, SqlDecimal{i.costPrice, 5}, SqlDecimal{i.price1, 5},
                            SqlDecimal{i.price2, 5}, SqlDecimal{i.lastPrice, 5}, i.isMaterial, i.isRecipe,
                            i.isService, i.isHidden, old);
    return t.ExecPrintf("UPDATE stocks SET code = ?, stock_name = ?, stock_group = ?, units = ?, "
                        "quantity = ?, min_quantity = ?, cost_price = ?, price_1 = ?, price_2 = "
                        "?, work_costs = ?,last_price = ?, is_material = ?, is_recipe = ?, "
                        "is_service = ?, is_hidden = ? WHERE code = ?;",
                        i.code, i.name, i.group, i.units, SqlDecimal{i.quantity, 3},
                        SqlDecimal{i.minQuantity, 3}, SqlDecimal{i.costPrice, 5}, SqlDecimal{i.price1, 5},
                        SqlDecimal{i.price2, 5}, SqlDecimal{i.workCosts, 5}, SqlDecimal{i.lastPrice, 5},
                        i.isMaterial, i.isRecipe, i.isService, i.isHidden, old);
}

namespace {
// A table that keeps an item's code, and with it perhaps its name and group.
struct CodeCopy {
    const char* table;
    const char* code;
    const char* name;  // null when the table keeps no name
    const char* group; // null when the table keeps no group
};

// In the order the rows are rewritten.
constexpr CodeCopy kCodeCopies[] = {
    {"stocks_cmp", "owner_code", nullptr, nullptr},
    {"stocks_cmp", "code", nullptr, nullptr},
    {"stock_codes", "stock_code", nullptr, nullptr},
    {"soldmat", "code", nullptr, "group_id"},
    {"soldmat", "part_of_code", nullptr, nullptr},
    {"production_cmp_entries", "code", "stock_name", "stock_group"},
    {"production_cmp", "code", "stock_name", "group_id"},
    {"stokovi_items", "item_code", "item_name", "item_group"},
    {"invoices_items", "item_code", "item_name", "item_group"},
    {"proforms_items", "item_code", "item_name", "item_group"},
    {"supplies_items", "item_code", "item_name", "item_group"},
    {"revisions_cmp", "item_code", "item_name", "group_id"},
};
} // namespace

bool ItemStore::PropagateChange(WriteTransaction& t, const QString& old, const Item& i) {
    for (const CodeCopy& copy : kCodeCopies) {
        // Table and column names are fixed above; only the values are typed.
        QByteArray format = QByteArray("UPDATE ") + copy.table + " SET " + copy.code + " = ?";
        if (copy.name)
            format += QByteArray(", ") + copy.name + " = ?";
        if (copy.group)
            format += QByteArray(", ") + copy.group + " = ?";
        format += QByteArray(" WHERE ") + copy.code + " = ?;";
        const bool written = copy.name    ? t.ExecPrintf(format.constData(), i.code, i.name, i.group, old)
                             : copy.group ? t.ExecPrintf(format.constData(), i.code, i.group, old)
                                          : t.ExecPrintf(format.constData(), i.code, old);
        if (!written)
            return false;
    }
    return true;
}

bool ItemStore::Delete(WriteTransaction& t, const QString& code) {
    return t.ExecPrintf("DELETE FROM stocks WHERE code = ?;", code) &&
           t.ExecPrintf("DELETE FROM stocks_cmp WHERE owner_code = ?;", code);
}

bool ItemStore::SetHidden(WriteTransaction& t, const QString& code, bool hidden) {
    return t.ExecPrintf("UPDATE stocks SET is_hidden = ? WHERE code = ?;", hidden ? 1 : 0, code);
}
