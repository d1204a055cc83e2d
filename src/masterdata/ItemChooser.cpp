#include "masterdata/ItemChooser.h"

#include "masterdata/Item.h"

std::optional<Item> ChooseCatalogueItem(Database& db, ItemChooser& items, ItemKinds allowed, ItemKinds tab) {
    const std::optional<QString> code = items.ChooseItem(allowed, tab);
    if (!code)
        return std::nullopt;
    Item item;
    if (!LoadItem(db, *code, item))
        return std::nullopt;
    return item;
}
