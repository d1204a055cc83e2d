#pragma once

#include "masterdata/ItemKinds.h"

#include <QString>
#include <optional>

class Database;
struct Item;

// The item picker "Избор на артикули" as documents use it: the code of the
// chosen item, or nothing when cancelled.
class ItemChooser {
public:
    virtual ~ItemChooser() = default;
    virtual std::optional<QString> ChooseItem(ItemKinds allowed, ItemKinds tab) = 0;
};

// The item the user picked, read from the catalogue; nothing when the picker
// was cancelled or the read failed (reported).
std::optional<Item> ChooseCatalogueItem(Database& db, ItemChooser& items, ItemKinds allowed, ItemKinds tab);
