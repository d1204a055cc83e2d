#include "masterdata/ItemPicker.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "format/FormatNumber.h"
#include "lists/OtherTabMatches.h"
#include "masterdata/StockSettings.h"
#include "settings/ListPreferences.h"

bool ItemPicker::SelectTab(ItemKinds tab) {
    if (!m_allowed.Contains(tab)) {
        m_prompter.Message("Избаният изглед не е достъпен в тази част на програмата.",
                           MessageIcon::Exclamation);
        return false;
    }
    m_tab = tab;
    return true;
}

ItemKinds ItemPicker::FirstAllowed(ItemKinds preferred) const {
    if (m_allowed.Contains(preferred))
        return preferred;
    for (ItemKinds tab : ItemViews::PickerTabs())
        if (m_allowed.Contains(tab))
            return tab;
    return preferred;
}

QStringList ItemPicker::TabTitles() {
    return {"стоки и материали", "материали", "изделия", "услуги", "всички артикули"};
}

bool ItemPicker::ReadRows(ItemKinds tab, std::vector<PickerRow>& rows) const {
    if (!ItemStore(m_db).LoadPickerList(tab, m_settings.ShowHiddenItems() != 0, GetPricePrecision(), rows))
        return false;
    std::erase_if(rows, [this](const PickerRow& row) {
        return !m_filter.Passes(row.group) || !m_search.Matches(row.code, row.name);
    });
    return true;
}

bool ItemPicker::Reload() {
    return ReadRows(m_tab, m_rows);
}

std::optional<ItemKinds> ItemPicker::OfferOtherTab() {
    if (!m_rows.empty())
        return std::nullopt;
    const int chosen = OfferTabWithMatches(
        m_prompter, m_search.Text(), TabTitles(), ItemViews::TabIndex(ItemViews::PickerTabs(), m_tab),
        [this](int index) {
            std::vector<PickerRow> rows;
            const ItemKinds tab = ItemViews::PickerTabs()[static_cast<size_t>(index)];
            return m_allowed.Contains(tab) && ReadRows(tab, rows) ? static_cast<int>(rows.size()) : 0;
        });
    return chosen < 0 ? std::nullopt : std::optional(ItemViews::PickerTabs()[static_cast<size_t>(chosen)]);
}

std::vector<ListColumn> ItemPicker::Columns() {
    return {{"код", 100, Qt::AlignLeft, SortType::Text},
            {"наименование", 280, Qt::AlignLeft, SortType::Text},
            {"наличност", 90, Qt::AlignRight, SortType::Decimal},
            {"прод. цена #1", 100, Qt::AlignRight, SortType::Decimal},
            {"прод. цена #2", 100, Qt::AlignRight, SortType::Decimal}};
}

QStringList ItemPicker::Cells(const PickerRow& row) {
    return {row.code, row.name, row.isService ? QString("-") : FormatNumber(row.quantity, 3),
            FormatNumber(row.price1, 2), FormatNumber(row.price2, 2)};
}
