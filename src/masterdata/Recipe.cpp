#include "masterdata/Recipe.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "masterdata/CostPrices.h"
#include "masterdata/Item.h"
#include "masterdata/ItemPicker.h"
#include "masterdata/RecipeStore.h"

#include <algorithm>

double ComponentLine::Total() const {
    return RoundHalfUp(quantity * (1 + randeman / 100), 3);
}

double ComponentLine::Sum() const {
    return RoundHalfUp(Total() * RoundHalfUp(unitCost, 2), 2);
}

QStringList ComponentLine::Cells() const {
    return {code,
            name,
            units,
            QString::asprintf("%.3f", RoundHalfUp(quantity, 3)),
            QString::asprintf("%.2f", RoundHalfUp(randeman, 2)),
            FormatNumber(Total(), 3),
            FormatNumber(unitCost, 2),
            FormatNumber(Sum(), 2)};
}

bool ValidComponentQuantity(double quantity, Prompter& prompter) {
    if (quantity > 0)
        return true;
    prompter.Message("Количеството трябва да бъде положително число!", MessageIcon::Stop);
    return false;
}

std::vector<ListColumn> RecipeEditor::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, right = Qt::AlignRight;
    return {{"код", 90, left, SortType::Text, "код", 180},
            {"наименование", 220, left, SortType::Text, "наименование", 0},
            {"мярка", 50, left, SortType::Text, "мярка", 100},
            {"к-во", 70, right, SortType::Decimal, "к-во", 160},
            {"надмерка", 70, right, SortType::Decimal, "надмерка", 160},
            {"общо к-во", 80, right, SortType::Decimal, "общо к-во", 160},
            {"ед. цена", 70, right, SortType::Decimal, "ед. цена", 160},
            {"сума", 80, right, SortType::Decimal, "сума", 180}};
}

bool RecipeEditor::Load(const QString& ownerCode) {
    m_lines.clear();
    if (!RecipeStore(m_db).LoadComponents(ownerCode, m_lines)) {
        m_prompter.Message("Не мога да извлека списъка с материалите за тази разходна норма",
                           MessageIcon::Stop);
        return false;
    }
    for (ComponentLine& line : m_lines)
        line.unitCost = RoundHalfUp(GetItemCostPrice(m_db, line.code), 2);
    return true;
}

bool RecipeEditor::Add(const QString& owner, bool refuseOwner, ItemChooser& chooser, QuantityInput& input) {
    const auto chosen = chooser.ChooseItem(ItemKind::Materials | ItemKind::Products, ItemViews::kMaterials);
    if (!chosen)
        return false;
    if ((refuseOwner && *chosen == owner) || !IsValidComponent(m_db, *chosen, owner)) {
        m_prompter.Message("Грешка: Избраният артикул не е валиден компонент на тази разходна норма.",
                           MessageIcon::Stop);
        return false;
    }
    Item item;
    if (!LoadItem(m_db, *chosen, item))
        return false;
    const auto amount = input.AskQuantity(item.units, 1, 0);
    if (!amount)
        return false;
    const auto existing = std::find_if(m_lines.begin(), m_lines.end(),
                                       [&](const ComponentLine& line) { return line.code == item.code; });
    if (existing != m_lines.end()) {
        if (m_prompter.AskYesNo("Сигурни ли сте, че желаете да промените количеството за този компонент?",
                                MessageIcon::Question) != Answer::Yes)
            return false;
        existing->quantity = amount->first;
        existing->randeman = amount->second;
        return true;
    }
    m_lines.push_back(
        {item.code, item.name, item.units, amount->first, amount->second, RoundHalfUp(item.costPrice, 2)});
    return true;
}

bool RecipeEditor::Change(int index, QuantityInput& input) {
    if (index < 0 || index >= static_cast<int>(m_lines.size()))
        return false;
    ComponentLine& line = m_lines[static_cast<size_t>(index)];
    const auto amount = input.AskQuantity(line.units, line.quantity, line.randeman);
    if (!amount)
        return false;
    line.quantity = amount->first;
    line.randeman = amount->second;
    return true;
}

bool RecipeEditor::Remove(std::vector<int> indices) {
    if (indices.empty() ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да премахнете избраните материали?",
                            MessageIcon::Exclamation) != Answer::Yes)
        return false;
    std::sort(indices.rbegin(), indices.rend());
    for (int index : indices)
        if (index >= 0 && index < static_cast<int>(m_lines.size()))
            m_lines.erase(m_lines.begin() + index);
    return true;
}

double RecipeEditor::Cost(double workCosts) const {
    double cost = RoundHalfUp(workCosts, 2);
    for (const ComponentLine& line : m_lines)
        cost += RoundHalfUp(line.unitCost * line.Total(), 2);
    return RoundHalfUp(cost, 2);
}
