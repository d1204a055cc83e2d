#pragma once

#include <QString>

class Database;

// One row of the goods catalogue: goods (a material is goods with its flag),
// a product (a recipe that holds stock) or a service (a recipe without stock).
struct Item {
    QString code;
    QString name;
    int group = 0;
    QString units;
    double quantity = 0;
    double minQuantity = 0;
    double costPrice = 0;
    double price1 = 0;
    double price2 = 0;
    double workCosts = 0;
    double lastPrice = 0;
    int isMaterial = 0;
    int isRecipe = 0;
    int isService = 0;
    int isHidden = 0;
    int isDirty = 0;
};

class ResultTable;

// Reads `stocks` rows by column name: the names are resolved once for the
// result, then each row is read by position.
class ItemRowMapper {
public:
    explicit ItemRowMapper(const ResultTable& table);
    // The record of data row r, as read.
    Item Read(int row) const;

private:
    const ResultTable& m_table;
    int m_code, m_name, m_group, m_units, m_quantity, m_minQuantity, m_costPrice, m_price1, m_price2,
        m_workCosts, m_lastPrice, m_isMaterial, m_isRecipe, m_isService, m_isHidden, m_isDirty;
};

// Fills the record with prices rounded to 2 decimals and the cost of a dirty
// recipe recomputed; an unknown code leaves it cleared with the code set.
// False only when the read failed.
bool LoadItem(Database& db, const QString& code, Item& record);
