// The lines of a new delivery: added from the catalogue, changed and removed.
#include "base/Prompter.h"
#include "base/RowRemoval.h"
#include "format/Rounding.h"
#include "masterdata/Item.h"
#include "masterdata/ItemChooser.h"
#include "stockops/DeliveryForm.h"
#include "stockops/DeliveryLineDialog.h"

#include <algorithm>

bool DeliveryForm::AcceptLine(double quantity, double price) {
    if (RoundHalfUp(quantity, 3) > 0 && RoundHalfUp(price, 2) > 0)
        return true;
    m_prompter.Message("Поне едно поле не е попълнено коректно или липсват каквито и да е данни.",
                       MessageIcon::Stop);
    return false;
}

std::optional<double> DeliveryForm::PriceFromTotal(double total, double quantity, bool removeVat) {
    const std::optional<double> price =
        Deliveries::UnitPriceFromTotal(total, quantity, removeVat, m_doc.firm.vatRate);
    if (!price)
        m_prompter.Message("Количеството трябва да бъде по-голямо от нула, за да се изчисли единичната цена.",
                           MessageIcon::Stop);
    return price;
}

// Opens the line dialog on the line's item; OK writes quantity, unit price
// (with VAT added while "с вкл. ДДС" is ticked) and value into the line.
bool DeliveryForm::AskLine(DeliveryLine& line, double price, bool withVat, DeliveryLineDialog& dialog) {
    const double rate = m_doc.firm.vatRate;
    DeliveryLineDialog::Request request;
    request.code = line.code;
    request.name = line.name;
    request.quantity = line.quantity;
    request.price = price;
    request.withVatEnabled = m_doc.firm.vatRegistered == 0;
    request.withVat = withVat && request.withVatEnabled;
    request.vatRate = rate;
    request.priceFromTotal = [this](double total, double quantity, bool removeVat) {
        return PriceFromTotal(total, quantity, removeVat);
    };
    const auto answer = dialog.AskLine(
        request, [this](const DeliveryLineDialog::Answer& a) { return AcceptLine(a.quantity, a.price); });
    if (!answer)
        return false;
    const double entered = RoundHalfUp(answer->price, 2);
    line.quantity = RoundHalfUp(answer->quantity, 3);
    line.price =
        answer->withVat && request.withVatEnabled ? RoundHalfUp(entered * (1 + rate / 100), 2) : entered;
    line.value = Deliveries::LineValue(line.quantity, line.price);
    return true;
}

bool DeliveryForm::AddLine(ItemChooser& items, DeliveryLineDialog& dialog) {
    if (!MayChangeLines())
        return false;
    const std::optional<Item> chosen =
        ChooseCatalogueItem(m_db, items, ItemKind::Goods | ItemKind::Materials | ItemKind::Products,
                            ItemViews::kGoodsAndMaterials);
    if (!chosen)
        return false;
    const Item& item = *chosen;
    DeliveryLine line;
    line.code = item.code;
    line.name = item.name;
    line.group = item.group;
    line.units = item.units;
    line.quantity = 1;
    // A firm outside VAT buying from a registered supplier pays the VAT.
    const bool withVat = m_doc.firm.vatRegistered == 0 && m_doc.supplier.vatRegistered != 0;
    if (!AskLine(line, item.lastPrice, withVat, dialog))
        return false;
    line.seq = ++m_counter;
    m_doc.lines.push_back(line);
    Recompute();
    return true;
}

// The line's price already holds any VAT added to it, so the dialog starts
// with the box clear.
bool DeliveryForm::ChangeLine(int index, DeliveryLineDialog& dialog) {
    if (!MayChangeLines() || index < 0 || index >= static_cast<int>(m_doc.lines.size()))
        return false;
    DeliveryLine& line = m_doc.lines[static_cast<size_t>(index)];
    DeliveryLine changed = line;
    if (!AskLine(changed, line.price, false, dialog))
        return false;
    line = changed;
    Recompute();
    return true;
}

bool DeliveryForm::DeleteLines(const std::vector<int>& indices) {
    if (!MayChangeLines() || !RemoveChosenRows(m_prompter, m_doc.lines, indices))
        return false;
    Recompute();
    return true;
}
