#pragma once

#include "masterdata/Item.h"
#include "masterdata/ItemKinds.h"
#include "masterdata/Recipe.h"

#include <optional>
#include <vector>

class Database;
class WriteTransaction;

// A row of the item picker.
struct PickerRow {
    QString code;
    QString name;
    double quantity = 0;
    int group = 0;
    int isService = 0;
    double price1 = 0;
    double price2 = 0;
};

// The statements of the `stocks` and `stocks_cmp` family that the catalogue
// and the item dialogs send. Every write goes through the change it is given,
// which also holds the checks that guard it.
class ItemStore {
public:
    explicit ItemStore(Database& db) : m_db(db) {}

    // The catalogue's list: the items with their group names, of one kind
    // (the WHERE clause below) and without the hidden ones unless shown.
    struct ListRow {
        Item item;
        QString groupName;
    };
    enum class Kinds { Goods, Products, Services, All };
    static QByteArray ListStatement(Kinds kinds, bool withHidden);
    bool LoadList(Kinds kinds, bool withHidden, std::vector<ListRow>& rows);
    // The picker's list of one tab by name, its prices rounded to the shown decimals.
    bool LoadPickerList(PickerTab tab, bool withHidden, int pricePlaces, std::vector<PickerRow>& rows);

    // True when a recipe uses the item or it holds stock (even a stored
    // 0.0004 that shows as 0.000); nothing when the checks could not be made.
    std::optional<bool> InUse(const QString& code);
    // The first component code that is no longer an item, or empty.
    std::optional<QString> MissingComponent(const std::vector<ComponentLine>& lines);

    // The components of a recipe, replacing what it had.
    bool WriteRecipe(WriteTransaction& t, const QString& owner, const std::vector<ComponentLine>& lines,
                     bool replace);
    // Rewrites an item found by its old code; a recipe also writes its work costs.
    bool Update(WriteTransaction& t, const QString& oldCode, const Item& item);
    // A new code, name or group follows the item into every recipe, partner
    // code and stored document line.
    bool PropagateChange(WriteTransaction& t, const QString& oldCode, const Item& item);
    bool Delete(WriteTransaction& t, const QString& code);
    bool SetHidden(WriteTransaction& t, const QString& code, bool hidden);

private:
    Database& m_db;
};
