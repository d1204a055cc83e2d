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
class LocalSettings;
class Prompter;

// What the picker does with its list.
class ItemPicker {
public:
    ItemPicker(Database& db, Prompter& prompter, const LocalSettings& settings, int kindMask)
        : m_db(db), m_prompter(prompter), m_settings(settings), m_mask(kindMask) {}

    static bool Allows(int kindMask, PickerTab tab);
    // Changes the tab; a tab the mask does not allow is refused with the message.
    bool SelectTab(PickerTab tab);
    PickerTab Tab() const { return m_tab; }
    // F5 on the products or services tab makes a product or service, on the
    // others goods.
    bool CreatesRecipe() const { return m_tab == PickerTab::Products || m_tab == PickerTab::Services; }
    // The first allowed tab when the given one is not.
    PickerTab FirstAllowed(PickerTab preferred) const;

    SearchText& Search() { return m_search; }
    GroupFilter& Filter() { return m_filter; }
    const std::vector<PickerRow>& Rows() const { return m_rows; }

    bool Reload();
    // After a search that found nothing here: offers the first other
    // allowed tab where it finds rows; the tab to show, if the user wants it.
    std::optional<PickerTab> OfferOtherTab();
    static QStringList TabTitles();
    static std::vector<ListColumn> Columns();
    static QStringList Cells(const PickerRow& row);

private:
    // The rows of a tab that pass the group filter and the search.
    bool ReadRows(PickerTab tab, std::vector<PickerRow>& rows) const;

    Database& m_db;
    Prompter& m_prompter;
    const LocalSettings& m_settings;
    int m_mask;
    PickerTab m_tab = PickerTab::GoodsAndMaterials;
    SearchText m_search;
    GroupFilter m_filter;
    std::vector<PickerRow> m_rows;
};
