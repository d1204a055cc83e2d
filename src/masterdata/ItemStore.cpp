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

std::optional<bool> ItemStore::InUse(const QString& code) {
    ResultTable users;
    if (!m_db.Query(users, "SELECT * FROM stocks_cmp WHERE code = '%q';", code))
        return std::nullopt;
    ResultTable stock;
    if (!m_db.Query(stock, "SELECT quantity FROM stocks WHERE code = '%q' AND is_service = '0';", code))
        return std::nullopt;
    return !users.Empty() || (!stock.Empty() && stock.Double(1, 0) > 0);
}

std::optional<QString> ItemStore::MissingComponent(const std::vector<ComponentLine>& lines) {
    for (const ComponentLine& line : lines) {
        ResultTable table;
        if (!m_db.Query(table, "SELECT code FROM stocks WHERE code = '%q';", line.code))
            return std::nullopt;
        if (table.Empty())
            return line.code;
    }
    return QString();
}

bool ItemStore::WriteRecipe(WriteTransaction& t, const QString& owner,
                            const std::vector<ComponentLine>& lines, bool replace) {
    if (replace && !t.ExecPrintf("DELETE FROM stocks_cmp WHERE owner_code = '%q';", owner))
        return false;
    for (const ComponentLine& line : lines)
        if (!t.ExecPrintf("INSERT INTO stocks_cmp VALUES('%q', '%q', '%.3f', '%.2f');", owner, line.code,
                          line.quantity, line.randeman))
            return false;
    return true;
}

bool ItemStore::Update(WriteTransaction& t, const QString& old, const Item& i) {
    if (!i.isRecipe)
        return t.ExecPrintf(
            "UPDATE stocks SET code = '%q', stock_name = '%q', stock_group = '%d', units = '%q', "
            "quantity = '%.3f', min_quantity = '%.3f', cost_price = '%.5f', price_1 = '%.5f', price_2 = "
            "'%.5f', last_price = '%.5f', is_material = '%d', is_recipe = '%d', is_service = '%d', "
            "is_hidden = '%d' WHERE code = '%q';",
            i.code, i.name, i.group, i.units, i.quantity, i.minQuantity, i.costPrice, i.price1, i.price2,
            i.lastPrice, i.isMaterial, i.isRecipe, i.isService, i.isHidden, old);
    return t.ExecPrintf(
        "UPDATE stocks SET code = '%q', stock_name = '%q', stock_group = '%d', units = '%q', "
        "quantity = '%.3f', min_quantity = '%.3f', cost_price = '%.5f', price_1 = '%.5f', price_2 = "
        "'%.5f', work_costs = '%.5f',last_price = '%.5f', is_material = '%d', is_recipe = '%d', "
        "is_service = '%d', is_hidden = '%d' WHERE code = '%q';",
        i.code, i.name, i.group, i.units, i.quantity, i.minQuantity, i.costPrice, i.price1, i.price2,
        i.workCosts, i.lastPrice, i.isMaterial, i.isRecipe, i.isService, i.isHidden, old);
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
        QByteArray format = QByteArray("UPDATE ") + copy.table + " SET " + copy.code + " = '%q'";
        if (copy.name)
            format += QByteArray(", ") + copy.name + " = '%q'";
        if (copy.group)
            format += QByteArray(", ") + copy.group + " = '%d'";
        format += QByteArray(" WHERE ") + copy.code + " = '%q';";
        const bool written = copy.name    ? t.ExecPrintf(format.constData(), i.code, i.name, i.group, old)
                             : copy.group ? t.ExecPrintf(format.constData(), i.code, i.group, old)
                                          : t.ExecPrintf(format.constData(), i.code, old);
        if (!written)
            return false;
    }
    return true;
}

bool ItemStore::Delete(WriteTransaction& t, const QString& code) {
    return t.ExecPrintf("DELETE FROM stocks WHERE code = '%q';", code) &&
           t.ExecPrintf("DELETE FROM stocks_cmp WHERE owner_code = '%q';", code);
}

bool ItemStore::SetHidden(WriteTransaction& t, const QString& code, bool hidden) {
    return t.ExecPrintf("UPDATE stocks SET is_hidden = '%d' WHERE code = '%q';", hidden ? 1 : 0, code);
}
