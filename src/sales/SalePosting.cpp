#include "sales/SalePosting.h"

#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/CostPrices.h"
#include "masterdata/Item.h"
#include "masterdata/ItemStore.h"
#include "masterdata/RecipeStore.h"
#include "sales/SaleStore.h"

#include <QMap>

std::optional<std::vector<SalePosting::Need>> SalePosting::NeedsOf(const std::vector<SaleLine>& lines) {
    std::vector<Need> needs;
    for (size_t i = 0; i < lines.size(); ++i) {
        const SaleLine& line = lines[i];
        if (line.freeText)
            continue;
        Item item;
        if (!LoadItem(m_db, line.code, item))
            return std::nullopt;
        if (item.name.isEmpty() && item.units.isEmpty() && item.group == 0)
            continue; // not in the catalogue
        const double quantity = RoundHalfUp(std::abs(line.quantity), 3);
        if (!item.isRecipe) {
            needs.push_back({static_cast<int>(i), line.code, line.code, false, quantity, item.group, 0});
            continue;
        }
        const auto components = RecipeStore(m_db).Parts(line.code);
        if (!components)
            return std::nullopt;
        for (const RecipeStore::Part& recipePart : *components) {
            const QString& component = recipePart.code;
            if (component.isEmpty())
                break; // a row without a code ends the recipe
            double perUnit = RoundHalfUp(recipePart.quantity, 3);
            const double randeman = recipePart.randeman;
            if (randeman > 0)
                perUnit = RoundHalfUp(perUnit + randeman * 0.01 * perUnit, 3);
            Item part;
            if (!LoadItem(m_db, component, part))
                return std::nullopt;
            needs.push_back({static_cast<int>(i), component, line.code, true,
                             RoundHalfUp(perUnit * quantity, 3), part.group, RoundHalfUp(part.costPrice, 2)});
        }
    }
    return needs;
}

std::optional<QString> SalePosting::ShortStock(const std::vector<Need>& needs) {
    QMap<QString, double> total;
    for (const Need& need : needs)
        total[need.code] = RoundHalfUp(total.value(need.code) + need.quantity, 3);
    QMap<QString, bool> checked;
    for (const Need& need : needs) {
        if (checked.contains(need.code))
            continue;
        checked[need.code] = true;
        const std::optional<ItemStore::OnHand> stock = ItemStore(m_db).StockOf(need.code);
        if (!stock)
            return std::nullopt;
        // A service holds no stock: selling it never falls short.
        if (stock->isService)
            continue;
        if (stock->quantity + 0.0005 >= total[need.code])
            continue;
        if (need.component)
            return QString::asprintf(
                "Не можете да завършите операцията, защото не разполагате с достатъчна "
                "наличност\nот материала с номенклатурен код %s,\nнеобходим за извършване на "
                "услугата с код %s.",
                need.code.toUtf8().constData(), need.soldCode.toUtf8().constData());
        return QString::asprintf("Не можете да завършите операцията, защото не разполагате с достатъчна "
                                 "наличност\nот артикула с номенклатурен код %s.",
                                 need.code.toUtf8().constData());
    }
    return QString();
}

bool SalePosting::Post(WriteTransaction& t, const std::vector<Need>& needs, int number, const QDate& date,
                       int customerId, bool credit) {
    for (const Need& need : needs) {
        const double moved = credit ? -need.quantity : need.quantity;
        if (!ItemStore(m_db).DecreaseQuantity(t, need.code, moved))
            return false;
        if (!need.component)
            continue;
        const double total = RoundHalfUp(need.costPrice * need.quantity, 2);
        if (!m_store.InsertSoldMaterial(t, number, date, customerId, need.group, need.soldCode, need.code,
                                        moved, need.costPrice, credit ? -total : total))
            return false;
    }
    return t.Active();
}
