#include "masterdata/ItemPicker.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "format/FormatNumber.h"
#include "lists/OtherTabMatches.h"
#include "masterdata/StockSettings.h"
#include "settings/LocalSettings.h"

bool ItemPicker::Allows(int mask, PickerTab tab) {
    using namespace ItemKinds;
    auto has = [mask](int bits) { return (mask & bits) == bits; };
    switch (tab) {
    case PickerTab::GoodsAndMaterials:
        return has(kGoods | kMaterials);
    case PickerTab::Materials:
        return has(kMaterials);
    case PickerTab::Products:
        return has(kProducts);
    case PickerTab::Services:
        return has(kServices);
    case PickerTab::All:
        return has(kAll);
    }
    return false;
}

bool ItemPicker::SelectTab(PickerTab tab) {
    if (!Allows(m_mask, tab)) {
        m_prompter.Message("Избаният изглед не е достъпен в тази част на програмата.",
                           MessageIcon::Exclamation);
        return false;
    }
    m_tab = tab;
    return true;
}

PickerTab ItemPicker::FirstAllowed(PickerTab preferred) const {
    if (Allows(m_mask, preferred))
        return preferred;
    for (int tab = 0; tab <= static_cast<int>(PickerTab::All); ++tab)
        if (Allows(m_mask, static_cast<PickerTab>(tab)))
            return static_cast<PickerTab>(tab);
    return preferred;
}

QStringList ItemPicker::TabTitles() {
    return {"стоки и материали", "материали", "изделия", "услуги", "всички артикули"};
}

bool ItemPicker::ReadRows(PickerTab tab, std::vector<PickerRow>& rows) const {
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

std::optional<PickerTab> ItemPicker::OfferOtherTab() {
    if (!m_rows.empty())
        return std::nullopt;
    const int chosen =
        OfferTabWithMatches(m_prompter, m_search.Text(), TabTitles(), static_cast<int>(m_tab), [this](int index) {
            std::vector<PickerRow> rows;
            const auto tab = static_cast<PickerTab>(index);
            return Allows(m_mask, tab) && ReadRows(tab, rows) ? static_cast<int>(rows.size()) : 0;
        });
    return chosen < 0 ? std::nullopt : std::optional(static_cast<PickerTab>(chosen));
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
