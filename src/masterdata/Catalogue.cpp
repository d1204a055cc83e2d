#include "masterdata/Catalogue.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/FormatNumber.h"
#include "lists/OtherTabMatches.h"
#include "masterdata/GroupStore.h"
#include "masterdata/ItemStore.h"
#include "masterdata/SharedRollUps.h"
#include "settings/ListPreferences.h"

#include <algorithm>

namespace {
QString mark(bool set) {
    return set ? QString("X") : QString("");
}

} // namespace

QByteArray Catalogue::ListStatement() const {
    return ItemStore::ListStatement(m_view, m_settings.ShowHiddenItems() != 0);
}

bool Catalogue::Reload(const std::function<void(int, int)>& progress) {
    m_rows.clear();
    const bool showCost = m_settings.ShowItemCostPrice() != 0;
    SharedRollUps rollUps(m_db);
    std::vector<ItemStore::ListRow> read;
    if (!ItemStore(m_db).LoadList(m_view, m_settings.ShowHiddenItems() != 0, read))
        return false;
    const int total = static_cast<int>(read.size());
    m_rows.reserve(read.size());
    for (int r = 1; r <= total; ++r) {
        if (progress && (r % 500 == 0 || r == total))
            progress(r, total);
        ItemStore::ListRow& listed = read[static_cast<size_t>(r - 1)];
        CatalogueRow row{std::move(listed.item), std::move(listed.groupName)};
        if (!m_filter.Passes(row.item.group) || !m_search.Matches(row.item.code, row.item.name))
            continue;
        if (showCost && row.item.isRecipe && row.item.isDirty)
            row.item.costPrice = rollUps.CostOf(row.item.code);
        m_rows.push_back(std::move(row));
    }
    rollUps.Finish();
    return true;
}

QStringList Catalogue::ViewTitles() {
    return {"стоки и материали", "изделия", "услуги", "всички артикули"};
}

std::optional<ItemKinds> Catalogue::OfferOtherView() {
    if (!m_rows.empty())
        return std::nullopt;
    const int chosen = OfferTabWithMatches(
        m_prompter, m_search.Text(), ViewTitles(), ItemViews::TabIndex(ItemViews::CatalogueTabs(), m_view),
        [this](int index) {
            std::vector<ItemStore::ListRow> read;
            const bool hidden = m_settings.ShowHiddenItems() != 0;
            if (!ItemStore(m_db).LoadList(ItemViews::CatalogueTabs()[static_cast<size_t>(index)], hidden,
                                          read))
                return 0;
            return static_cast<int>(
                std::count_if(read.begin(), read.end(), [this](const ItemStore::ListRow& row) {
                    return m_filter.Passes(row.item.group) && m_search.Matches(row.item.code, row.item.name);
                }));
        });
    return chosen < 0 ? std::nullopt : std::optional(ItemViews::CatalogueTabs()[static_cast<size_t>(chosen)]);
}

bool Catalogue::Refresh() {
    m_filter.Clear();
    m_search.Clear();
    return Reload();
}

std::vector<ListColumn> Catalogue::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"наименование", 200, left, SortType::Text, "наименование", 0},
            {"код", 100, left, SortType::Text, "код", 250},
            {"група", 120, left, SortType::Text, "група", 300},
            {"мярка", 50, centre, SortType::Text, "мярка", 120},
            {"количество", 80, right, SortType::Decimal, "количество", 220},
            {"мин. колич.", 80, right, SortType::Decimal, "мин. к-во", 220},
            {"себестойност", 100, right, SortType::Decimal, "себестойност", 230},
            {"прод. цена 1", 90, right, SortType::Decimal, "пр. цена #1", 230},
            {"прод. цена 2", 90, right, SortType::Decimal, "пр. цена #2", 230},
            {"посл.доставна", 100, right, SortType::Decimal},
            {"материал", 65, centre, SortType::Text},
            {"изделие", 65, centre, SortType::Text},
            {"услуга", 65, centre, SortType::Text}};
}

QStringList Catalogue::Cells(const CatalogueRow& row) {
    const Item& i = row.item;
    const bool service = row.IsService();
    return {i.name,
            i.code,
            row.groupName,
            i.units,
            service ? QString("-") : FormatNumber(i.quantity, 3),
            service ? QString("-") : FormatNumber(i.minQuantity, 3),
            FormatNumber(i.costPrice, 2),
            FormatNumber(i.price1, 2),
            FormatNumber(i.price2, 2),
            FormatNumber(i.lastPrice, 2),
            mark(i.isMaterial == 1),
            mark(row.IsProduct()),
            mark(service)};
}

RowTone Catalogue::Tone(const CatalogueRow& row) {
    return row.IsService() ? RowTone::Blue : row.IsProduct() ? RowTone::Red : RowTone::Normal;
}

bool Catalogue::RowFor(const QString& code, CatalogueRow& row) {
    if (!LoadItem(m_db, code, row.item))
        return false;
    row.groupName = GroupStore(m_db).Name(row.item.group);
    return true;
}

bool Catalogue::Shows(const CatalogueRow& row) const {
    if (row.item.isHidden && m_settings.ShowHiddenItems() == 0)
        return false;
    if (m_view == ItemViews::kGoodsAndMaterials)
        return row.item.isRecipe == 0;
    if (m_view == ItemViews::kProducts)
        return row.IsProduct();
    if (m_view == ItemViews::kServices)
        return row.IsService();
    return true;
}

int Catalogue::Replace(int index, const CatalogueRow& row) {
    if (Shows(row)) {
        m_rows[static_cast<size_t>(index)] = row;
        return index;
    }
    m_rows.erase(m_rows.begin() + index);
    return RowAfterRemoval(index, static_cast<int>(m_rows.size()));
}

int Catalogue::Append(const CatalogueRow& row) {
    if (!Shows(row))
        return -1;
    m_rows.push_back(row);
    return static_cast<int>(m_rows.size()) - 1;
}

bool Catalogue::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()))
        return false;
    if (m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
        Answer::Yes)
        return false;
    const QString code = m_rows[static_cast<size_t>(index)].item.code;
    // The item is looked at under the write lock, so no other seat can put it
    // into a recipe between the check and the delete.
    ItemStore store(m_db);
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    const std::optional<bool> inUse = store.InUse(code);
    if (!inUse || *inUse)
        return t.Refuse(
            "Артикулът не може да бъде изтрит, защото участва в операция или има наличност в склада!",
            MessageIcon::Stop);
    if (!store.Delete(t, code) || !t.Commit())
        return false;
    m_rows.erase(m_rows.begin() + index);
    return true;
}

bool Catalogue::SetHidden(const std::vector<int>& indices, bool hidden) {
    if (indices.empty())
        return false;
    if (hidden && m_prompter.AskYesNo(
                      QString::asprintf("Сигурни ли сте, че желаете да запишете %d артикула като скрити?",
                                        static_cast<int>(indices.size())),
                      MessageIcon::Exclamation, "Внимание!") != Answer::Yes)
        return false;
    // All the rows change, or none.
    ItemStore store(m_db);
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    for (auto it = indices.rbegin(); it != indices.rend(); ++it)
        if (!store.SetHidden(t, m_rows[static_cast<size_t>(*it)].item.code, hidden))
            return false;
    if (!t.Commit())
        return false;
    for (int index : indices)
        m_rows[static_cast<size_t>(index)].item.isHidden = hidden ? 1 : 0;
    m_prompter.Message(
        hidden ? "Избраните артикули бяха успешно записани като скрити номенклатури и при следващите "
                 "презареждания на списъка няма да бъдат показвани. Това не важи за случаите, в които "
                 "потребителят изрично е разрешил показване на скритите номенклатури."
               : "Избраните артикули бяха успешно записани като видими номенклатури и ще бъдат "
                 "показвани във всички списъци и справки, в които участват.",
        MessageIcon::Information);
    return true;
}
