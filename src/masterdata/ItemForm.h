#pragma once

#include "masterdata/GroupChooser.h"
#include "masterdata/Item.h"
#include "masterdata/Recipe.h"

#include <optional>

class Database;
class Prompter;

// What the two item dialogs check and save: the goods dialog, and the
// dialog of products and services (recipes).
class ItemForm {
public:
    enum class Kind { Goods, Recipe };
    enum class Mode { Create = 0, Edit = 1, Copy = 2 };
    enum class RecipeType { None, Product, Service };
    // The field that gets the focus after a refused save.
    enum class Field { None, Code, Type, Name, Group, Units, Components };

    // The values of the dialog's fields.
    struct Fields {
        QString code;
        QString name;
        int group = 0;
        QString units;
        double minQuantity = 0;
        double costPrice = 0;
        double price1 = 0;
        double price2 = 0;
        double lastPrice = 0;
        double workCosts = 0;
        int isMaterial = 0;
        int isHidden = 0;
        RecipeType type = RecipeType::None;
    };

    // source: the item the dialog opens with (cleared for a new one).
    ItemForm(Database& db, Prompter& prompter, Kind kind, Mode mode, const Item& source);

    QString Caption() const;
    QString Title() const;
    Kind ItemKind() const { return m_kind; }
    Mode ItemMode() const { return m_mode; }
    Fields Initial() const;
    const Item& Source() const { return m_source; }

    // The change-code button: true when the user confirmed.
    bool ConfirmCodeChange();
    // The buttons of partner codes and prices: true when their lists may
    // open, which is in edit mode only.
    bool RequestPartnerCodes();
    bool RequestPartnerPrices();

    // F5 of the component list: the recipe's own code is the one the dialog
    // opened with when editing, the typed one when copying, and a new item is
    // only checked for cycles.
    bool AddComponent(RecipeEditor& recipe, const QString& typedCode, ItemChooser& items,
                      QuantityInput& quantity) const;

    // OK: checks the fields in order and saves, a recipe with its
    // components; Field::None when saved. An empty recipe is asked about.
    Field Save(const Fields& fields, const std::vector<ComponentLine>& components = {});
    // The item as saved.
    const Item& Saved() const { return m_saved; }

private:
    Item Compose(const Fields& fields) const;
    bool Write(const Item& item, const std::vector<ComponentLine>& components);

    Database& m_db;
    Prompter& m_prompter;
    Kind m_kind;
    Mode m_mode;
    Item m_source;
    Item m_saved;
    Field m_failedField = Field::None;
};
