#include "masterdata/Item.h"

#include "db/Database.h"
#include "format/Rounding.h"
#include "masterdata/CostPrices.h"
#include "masterdata/ItemStore.h"
#include "masterdata/StockSettings.h"

ItemRowMapper::ItemRowMapper(const ResultTable& table)
    : m_table(table), m_code(table.Column("code")), m_name(table.Column("stock_name")),
      m_group(table.Column("stock_group")), m_units(table.Column("units")),
      m_quantity(table.Column("quantity")), m_minQuantity(table.Column("min_quantity")),
      m_costPrice(table.Column("cost_price")), m_price1(table.Column("price_1")),
      m_price2(table.Column("price_2")), m_workCosts(table.Column("work_costs")),
      m_lastPrice(table.Column("last_price")), m_isMaterial(table.Column("is_material")),
      m_isRecipe(table.Column("is_recipe")), m_isService(table.Column("is_service")),
      m_isHidden(table.Column("is_hidden")), m_isDirty(table.Column("is_dirty")) {}

Item ItemRowMapper::Read(int row) const {
    const ResultTable& t = m_table;
    Item item;
    item.code = t.Text(row, m_code, "");
    item.name = t.Text(row, m_name, "");
    item.group = t.Int(row, m_group);
    item.units = t.Text(row, m_units, "");
    item.quantity = t.Double(row, m_quantity);
    item.minQuantity = t.Double(row, m_minQuantity);
    item.costPrice = t.Double(row, m_costPrice);
    item.price1 = t.Double(row, m_price1);
    item.price2 = t.Double(row, m_price2);
    item.workCosts = t.Double(row, m_workCosts);
    item.lastPrice = t.Double(row, m_lastPrice);
    item.isMaterial = t.Int(row, m_isMaterial);
    item.isRecipe = t.Int(row, m_isRecipe);
    item.isService = t.Int(row, m_isService);
    item.isHidden = t.Int(row, m_isHidden);
    item.isDirty = t.Int(row, m_isDirty);
    return item;
}

bool LoadItem(Database& db, const QString& code, Item& record) {
    const int p = GetPricePrecision();
    record = Item();
    record.code = code;
    std::optional<Item> stored;
    if (!ItemStore(db).Find(code, p, stored))
        return false;
    if (!stored)
        return true;
    record = *stored;
    record.price1 = RoundHalfUp(record.price1, p);
    record.price2 = RoundHalfUp(record.price2, p);
    record.lastPrice = RoundHalfUp(record.lastPrice, p);
    if (record.isRecipe || record.isService) {
        record.workCosts = RoundHalfUp(record.workCosts, p);
        record.costPrice =
            record.isDirty == 1 ? GetItemCostPrice(db, record.code) : RoundHalfUp(record.costPrice, p);
    } else {
        record.costPrice = RoundHalfUp(record.costPrice, p);
        record.workCosts = 0;
    }
    if (record.isService) {
        record.quantity = 0;
        record.minQuantity = 0;
    }
    return true;
}
