// The lines of the sale form: added from the catalogue or as free text,
// changed and deleted while the document is new.
#include "base/Prompter.h"
#include "base/RowRemoval.h"
#include "format/Rounding.h"
#include "masterdata/Item.h"
#include "masterdata/ItemChooser.h"
#include "masterdata/PartnerPrices.h"
#include "sales/FreeTextLineDialog.h"
#include "sales/SellForm.h"
#include "trade/SaleLineDialog.h"

#include <algorithm>

bool SellForm::MayAddLines() const {
    return m_isNew && SaleOps::MayAddLines(m_doc.op);
}

bool SellForm::MayChangeLines() const {
    return m_isNew && SaleOps::MayChangeLines(m_doc.op);
}

// A line needs a positive quantity; a price may be 0 (goods given away) but
// not negative: a credit note credits by its kind, not by its signs.
namespace {
void fill(SaleLine& line, double quantity, double price, int kind) {
    line.quantity = RoundHalfUp(quantity, 3);
    line.price = RoundHalfUp(price, 2);
    line.value = SaleLine::ValueOf(line.quantity, line.price);
    line.selPrice = kind;
}
} // namespace

bool SellForm::AddLine(ItemChooser& items, SaleLineDialog& dialog) {
    if (!MayAddLines())
        return false;
    const std::optional<Item> chosen =
        ChooseCatalogueItem(m_db, items, ItemKinds::All(), ItemViews::kGoodsAndMaterials);
    if (!chosen)
        return false;
    const Item& item = *chosen;
    const SaleLinePricing pricing(item, GetPartnerPrice(m_db, m_customer.id, item.code));
    SaleLineDialog::Request request{item.code, item.name, 1,
                                    pricing.Select(SaleLinePricing::StartKind(m_customer.defaultPrice)),
                                    &pricing};
    const auto answer = dialog.AskLine(request, [this](const SaleLineDialog::Answer& a) {
        return AcceptSaleLine(m_prompter, a.quantity, a.price);
    });
    if (!answer)
        return false;
    SaleLine line;
    line.seq = ++m_counter;
    line.code = item.code;
    line.name = item.name;
    line.units = item.units;
    line.visCode = VisCodeOf(item.code);
    fill(line, answer->quantity, answer->price, answer->kind);
    m_doc.lines.push_back(line);
    Recompute();
    return true;
}

bool SellForm::AddFreeTextLine(FreeTextLineDialog& dialog) {
    if (!MayAddLines() || !SaleOps::OffersFreeText(m_doc.op))
        return false;
    const auto typed =
        dialog.AskFreeText(FreeTextLineDialog::Line(), [this](const FreeTextLineDialog::Line& l) {
            return AcceptSaleLine(m_prompter, l.quantity, l.price);
        });
    if (!typed)
        return false;
    SaleLine line;
    line.seq = ++m_counter;
    line.code = typed->code.trimmed();
    line.name = typed->name.trimmed();
    line.units = typed->units.trimmed();
    line.freeText = true;
    fill(line, typed->quantity, typed->price, SaleLinePricing::Typed);
    m_doc.lines.push_back(line);
    Recompute();
    return true;
}

bool SellForm::ChangeLine(int index, SaleLineDialog& dialog, FreeTextLineDialog& freeText) {
    if (!MayChangeLines() || index < 0 || index >= static_cast<int>(m_doc.lines.size()))
        return false;
    SaleLine& line = m_doc.lines[static_cast<size_t>(index)];
    if (line.freeText) {
        const auto typed = freeText.AskFreeText({line.code, line.name, line.units, line.quantity, line.price},
                                                [this](const FreeTextLineDialog::Line& l) {
                                                    return AcceptSaleLine(m_prompter, l.quantity, l.price);
                                                });
        if (!typed)
            return false;
        line.code = typed->code.trimmed();
        line.name = typed->name.trimmed();
        line.units = typed->units.trimmed();
        fill(line, typed->quantity, typed->price, SaleLinePricing::Typed);
    } else {
        Item item;
        if (!LoadItem(m_db, line.code, item))
            return false;
        const SaleLinePricing pricing(item, GetPartnerPrice(m_db, m_customer.id, item.code));
        SaleLinePricing::Choice start{line.selPrice, line.price, line.selPrice == SaleLinePricing::Typed};
        const auto answer = dialog.AskLine({line.code, line.name, line.quantity, start, &pricing},
                                           [this](const SaleLineDialog::Answer& a) {
                                               return AcceptSaleLine(m_prompter, a.quantity, a.price);
                                           });
        if (!answer)
            return false;
        fill(line, answer->quantity, answer->price, answer->kind);
    }
    Recompute();
    return true;
}

bool SellForm::DeleteLines(const std::vector<int>& indices) {
    if (!MayChangeLines() || !RemoveChosenRows(m_prompter, m_doc.lines, indices))
        return false;
    Recompute();
    return true;
}
