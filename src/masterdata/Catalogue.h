#pragma once

#include "lists/ListColumn.h"
#include "lists/SearchText.h"
#include "masterdata/GroupTree.h"
#include "masterdata/Item.h"
#include "masterdata/ItemKinds.h"

#include <QStringList>
#include <optional>
#include <vector>

class Database;
class ListPreferences;
class Prompter;

// A row of the catalogue: the item and the name of its group.
struct CatalogueRow {
    Item item;
    QString groupName;

    bool IsProduct() const { return item.isRecipe && !item.isService; }
    bool IsService() const { return item.isService != 0; }
};

// What the catalogue form "TARVO - СТОКИ, ИЗДЕЛИЯ и УСЛУГИ" does with its list.
class Catalogue {
public:
    Catalogue(Database& db, Prompter& prompter, const ListPreferences& settings)
        : m_db(db), m_prompter(prompter), m_settings(settings) {}

    ItemKinds View() const { return m_view; }
    void SetView(ItemKinds view) { m_view = view; }
    SearchText& Search() { return m_search; }
    GroupFilter& Filter() { return m_filter; }
    const std::vector<CatalogueRow>& Rows() const { return m_rows; }

    // The statement of the list for the view and the hidden-items setting.
    QByteArray ListStatement() const;
    // Reads the list; progress(done, total) is told as the rows are taken.
    bool Reload(const std::function<void(int, int)>& progress = {});
    // F4: clears the group filter and the search text, then reloads.
    bool Refresh();
    // After a search that found nothing in this view: offers the first
    // other view where it finds items; the view to show, if the user wants it.
    std::optional<ItemKinds> OfferOtherView();
    static QStringList ViewTitles();

    // The 13 columns of the list, of which the first nine print, and the
    // cells and tone of a row.
    static std::vector<ListColumn> Columns();
    static QStringList Cells(const CatalogueRow& row);
    static RowTone Tone(const CatalogueRow& row);

    // A row for a saved item (after a create, copy or edit).
    bool RowFor(const QString& code, CatalogueRow& row);
    // True when the row belongs in the current tab: its kind, and not hidden
    // unless hidden items are shown.
    bool Shows(const CatalogueRow& row) const;
    // A new row joins the list if it belongs in the tab; its index, or -1.
    int Append(const CatalogueRow& row);
    // An edited row is rewritten in place, or leaves a tab it no longer
    // belongs in; the row to select afterwards.
    int Replace(int index, const CatalogueRow& row);

    // F7: asks, then deletes unless a recipe uses the item or it has stock.
    bool Delete(int index);
    // Marks the rows hidden (after asking) or visible.
    bool SetHidden(const std::vector<int>& indices, bool hidden);

private:
    Database& m_db;
    Prompter& m_prompter;
    const ListPreferences& m_settings;
    ItemKinds m_view = ItemViews::kGoodsAndMaterials;
    SearchText m_search;
    GroupFilter m_filter;
    std::vector<CatalogueRow> m_rows;
};
