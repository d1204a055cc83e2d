#pragma once

#include "masterdata/Item.h"
#include "masterdata/ItemKinds.h"
#include "masterdata/Recipe.h"

#include <array>
#include <optional>
#include <vector>

class Database;
struct SqlStatement;
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

// A quantity of an item that comes into or leaves the stock.
struct StockMove {
    QString code;
    double quantity = 0;
};
using StockMoves = std::vector<StockMove>;

// The statements of the `stocks` and `stocks_cmp` family that the catalogue
// and the item dialogs send. Every write goes through the change it is given,
// which also holds the checks that guard it.
class ItemStore {
public:
    explicit ItemStore(Database& db) : m_db(db) {}

    // The catalogue's list: the items with their group names, of one view
    // (the WHERE clause below) and without the hidden ones unless shown.
    struct ListRow {
        Item item;
        QString groupName;
    };
    static QByteArray ListStatement(ItemKinds view, bool withHidden);
    bool LoadList(ItemKinds view, bool withHidden, std::vector<ListRow>& rows);
    // The picker's list of one tab by name, its prices rounded to the shown decimals.
    bool LoadPickerList(ItemKinds tab, bool withHidden, int pricePlaces, std::vector<PickerRow>& rows);

    // True when the code is in use, and also when the read failed, so that a
    // database error blocks an insert rather than risking a duplicate.
    bool Exists(const QString& code);
    // The stored row with its prices rounded to `pricePlaces`; nothing for an
    // unknown code. False only when the read failed.
    bool Find(const QString& code, int pricePlaces, std::optional<Item>& item);
    bool Insert(WriteTransaction& t, const Item& item);

    // The quantity on hand, 3 decimals: 0 for an unknown code, a service, or
    // a failed read. Changes are written with 3 decimals; a failure is
    // reported, ends the change and is answered false.
    double Quantity(const QString& code);
    // The quantity on hand of any item, and whether it is a service (which
    // holds none); an unknown code has 0 and is no service. Nothing when the
    // read failed.
    struct OnHand {
        double quantity = 0;
        bool isService = false;
    };
    std::optional<OnHand> StockOf(const QString& code);
    // Every item's quantity, 3 decimals.
    std::optional<StockMoves> AllQuantities();
    bool SetQuantity(WriteTransaction& t, const QString& code, double quantity);
    bool IncreaseQuantity(WriteTransaction& t, const QString& code, double quantity);
    bool DecreaseQuantity(WriteTransaction& t, const QString& code, double quantity);
    bool IncreaseQuantities(WriteTransaction& t, const StockMoves& moves);
    bool DecreaseQuantities(WriteTransaction& t, const StockMoves& moves);
    // The (code, quantity) rows of a document family's query, for its stores.
    static std::optional<StockMoves> ReadMoves(Database& db, const SqlStatement& query);

    // The catalogue's prices row by row, for the change of currency.
    struct RowPrices {
        QString row; // the engine's row id, as text
        std::array<double, 5> prices{}; // price_1, price_2, last_price, cost_price, work_costs
    };
    std::optional<std::vector<RowPrices>> AllPrices();
    bool SetPrices(WriteTransaction& t, const RowPrices& row, int places);
    // Whether any item has a price other than 0; false when unreadable.
    bool HasPrices();

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
