#pragma once

#include "lists/ListColumn.h"
#include "lists/SearchText.h"
#include "masterdata/GroupTree.h"
#include "masterdata/ItemChooser.h"
#include "masterdata/ItemKinds.h"
#include "masterdata/ItemStore.h"

#include <QStringList>
#include <optional>
#include <vector>

class Database;
class ListPreferences;
class Prompter;

// What the picker does with its list.
class ItemPicker {
public:
    ItemPicker(Database& db, Prompter& prompter, const ListPreferences& settings, ItemKinds allowed)
        : m_db(db), m_prompter(prompter), m_settings(settings), m_allowed(allowed) {}

    // Changes the tab; a tab showing kinds not allowed is refused with the message.
    bool SelectTab(ItemKinds tab);
    ItemKinds Tab() const { return m_tab; }
    // F5 on the products or services tab makes a product or service, on the
    // others goods.
    bool CreatesRecipe() const { return m_tab == ItemViews::kProducts || m_tab == ItemViews::kServices; }
    // The first allowed tab when the given one is not.
    ItemKinds FirstAllowed(ItemKinds preferred) const;

    SearchText& Search() { return m_search; }
    GroupFilter& Filter() { return m_filter; }
    const std::vector<PickerRow>& Rows() const { return m_rows; }

    bool Reload();
    // After a search that found nothing here: offers the first other
    // allowed tab where it finds rows; the tab to show, if the user wants it.
    std::optional<ItemKinds> OfferOtherTab();
    static QStringList TabTitles();
    static std::vector<ListColumn> Columns();
    static QStringList Cells(const PickerRow& row);

private:
    // The rows of a tab that pass the group filter and the search.
    bool ReadRows(ItemKinds tab, std::vector<PickerRow>& rows) const;

    Database& m_db;
    Prompter& m_prompter;
    const ListPreferences& m_settings;
    ItemKinds m_allowed;
    ItemKinds m_tab = ItemViews::kGoodsAndMaterials;
    SearchText m_search;
    GroupFilter m_filter;
    std::vector<PickerRow> m_rows;
};
