#include "masterdata/ItemStore.h"

#include "db/Database.h"
#include "db/WriteTransaction.h"

QByteArray ItemStore::ListStatement(Kinds kinds, bool withHidden) {
    QByteArray sql =
        "SELECT s.code, s.stock_name, s.stock_group, s.units, s.quantity, s.min_quantity, s.cost_price, "
        "s.price_1, s.price_2, s.work_costs, s.last_price, s.is_material, s.is_recipe, s.is_service, "
        "s.is_hidden, g.name, s.is_dirty FROM stocks AS s INNER JOIN (SELECT * FROM groups) AS g ON "
        "s.stock_group = g.id ";
    if (!withHidden)
        sql += " WHERE is_hidden = 0";
    const char* joiner = withHidden ? " WHERE " : " AND ";
    switch (kinds) {
    case Kinds::Goods:
        sql += QByteArray(joiner) + "is_recipe = 0 ";
        break;
    case Kinds::Products:
        sql += QByteArray(joiner) + "is_recipe = '1' AND is_service = '0' ";
        break;
    case Kinds::Services:
        sql += QByteArray(joiner) + "is_service = 1 ";
        break;
    case Kinds::All:
        break;
    }
    return sql + ";";
}

bool ItemStore::LoadList(Kinds kinds, bool withHidden, std::vector<ListRow>& rows) {
    rows.clear();
    ResultTable table;
    if (!m_db.Query(table, "%s", ListStatement(kinds, withHidden)))
        return false;
    const ItemRowMapper items(table);
    const int groupName = table.Column("name");
    rows.reserve(static_cast<size_t>(table.Rows()));
    for (int r = 1; r <= table.Rows(); ++r)
        rows.push_back({items.Read(r), table.Text(r, groupName, "")});
    return true;
}

bool ItemStore::LoadPickerList(PickerTab tab, bool withHidden, int pricePlaces, std::vector<PickerRow>& rows) {
    static const char* const kTabConditions[] = {"is_recipe = '0'", "is_material = '1'",
                                                 "is_recipe = '1' AND is_service = '0'", "is_service = '1'", "1 = 1"};
    SqlStatement sql = SqlCompose("SELECT code, stock_name, ROUND(quantity, 3) AS quantity, stock_group, is_service, "
                                  "ROUND(price_1, ?) AS price_1, ROUND(price_2, ?) AS price_2 FROM stocks WHERE %s",
                                  {pricePlaces, pricePlaces, SqlStatement(kTabConditions[static_cast<int>(tab)])});
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
        return t.ExecPrintf(
            "UPDATE stocks SET code = ?, stock_name = ?, stock_group = ?, units = ?, "
            "quantity = ?, min_quantity = ?, cost_price = ?, price_1 = ?, price_2 = "
            "?, last_price = ?, is_material = ?, is_recipe = ?, is_service = ?, "
            "is_hidden = ? WHERE code = ?;",
            i.code, i.name, i.group, i.units, SqlDecimal{i.quantity, 3}, SqlDecimal{i.minQuantity, 3}, SqlDecimal{i.costPrice, 5}, SqlDecimal{i.price1, 5}, SqlDecimal{i.price2, 5},
            SqlDecimal{i.lastPrice, 5}, i.isMaterial, i.isRecipe, i.isService, i.isHidden, old);
    return t.ExecPrintf(
        "UPDATE stocks SET code = ?, stock_name = ?, stock_group = ?, units = ?, "
        "quantity = ?, min_quantity = ?, cost_price = ?, price_1 = ?, price_2 = "
        "?, work_costs = ?,last_price = ?, is_material = ?, is_recipe = ?, "
        "is_service = ?, is_hidden = ? WHERE code = ?;",
        i.code, i.name, i.group, i.units, SqlDecimal{i.quantity, 3}, SqlDecimal{i.minQuantity, 3}, SqlDecimal{i.costPrice, 5}, SqlDecimal{i.price1, 5}, SqlDecimal{i.price2, 5},
        SqlDecimal{i.workCosts, 5}, SqlDecimal{i.lastPrice, 5}, i.isMaterial, i.isRecipe, i.isService, i.isHidden, old);
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
