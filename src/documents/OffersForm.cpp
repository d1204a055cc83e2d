#include "documents/OffersForm.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "documents/OfferStore.h"
#include "format/Rounding.h"
#include "masterdata/FirmDataStore.h"
#include "masterdata/Item.h"
#include "masterdata/ItemChooser.h"
#include "trade/DocumentBrowser.h"
#include "trade/DocumentChooser.h"
#include "trade/SaleLineDialog.h"

#include <algorithm>

OffersForm::OffersForm(Database& db, Prompter& prompter, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_clock(clock) {}

std::vector<ListColumn> OffersForm::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"", 0, right, SortType::Integer},          {"наименование", 250, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},      {"количество", 80, right, SortType::Decimal},
            {"ед. цена", 80, right, SortType::Decimal}, {"общо", 80, right, SortType::Decimal}};
}

QStringList OffersForm::Cells(const OfferLine& line) {
    return {QString::number(line.id),
            line.name,
            line.units,
            QString::asprintf("%.2f", line.quantity),
            QString::asprintf("%.2f", line.price),
            QString::asprintf("%.2f", line.Value())};
}

OfferTotals OffersForm::Totals() const {
    return ComputeOfferTotals(m_offer, m_vatRate);
}

QStringList OffersForm::TotalTexts() const {
    if (m_offer.lines.empty())
        return {"0.00 ", "0.00 ", "0.00 ", "0.00 "};
    const OfferTotals t = Totals();
    return {QString::asprintf("%.2f ", t.sum), QString::asprintf("%.2f ", t.discount),
            QString::asprintf("%.2f ", t.vat), QString::asprintf("%.2f ", t.total)};
}

void OffersForm::ReadFirm() {
    m_vatRate = FirmDataStore(m_db).VatRate();
    m_vatAllowed = FirmDataStore(m_db).VatRegistered() != 0 && m_vatRate > 0;
}

void OffersForm::Fresh() {
    ReadFirm();
    m_offer = Offer();
    m_offer.number = OfferStore::NextNumber(m_db).value_or(1);
    m_offer.date = m_clock.Now().date();
    m_isNew = true;
    m_modified = false;
    m_counter = 0;
}

void OffersForm::Start() {
    Fresh();
}

bool OffersForm::New() {
    if (!MayDiscard(m_prompter))
        return false;
    Fresh();
    return true;
}

bool OffersForm::Load(DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    const auto choice = documents.ChooseDocument(DocumentKind::Offers, 0);
    if (!choice)
        return false;
    const std::optional<Offer> offer = OfferStore::Load(m_db, choice->number);
    if (!offer)
        return false;
    ReadFirm();
    m_offer = *offer;
    m_counter = 0;
    for (const OfferLine& line : m_offer.lines)
        m_counter = std::max(m_counter, line.id);
    m_isNew = false;
    m_modified = false;
    return true;
}

bool OffersForm::AddLine(ItemChooser& items, SaleLineDialog& dialog) {
    const std::optional<Item> chosen = ChooseCatalogueItem(m_db, items, ItemKinds::All(), ItemViews::kAll);
    if (!chosen)
        return false;
    const Item& item = *chosen;
    // An offer has no customer record, so no customer's own price.
    const SaleLinePricing pricing(item, 0);
    const auto answer = dialog.AskLine(
        {item.code, item.name, 1, pricing.Select(SaleLinePricing::Price1), &pricing},
        [this](const SaleLineDialog::Answer& a) { return AcceptSaleLine(m_prompter, a.quantity, a.price); });
    if (!answer)
        return false;
    m_offer.lines.push_back({++m_counter, item.name, item.units, RoundHalfUp(answer->quantity, 2),
                             RoundHalfUp(answer->price, 2), item.code});
    m_modified = true;
    return true;
}

bool OffersForm::EditLine(int index, SaleLineDialog& dialog) {
    if (index < 0 || index >= static_cast<int>(m_offer.lines.size()))
        return false;
    OfferLine& line = m_offer.lines[static_cast<size_t>(index)];
    // A line added in this session knows its item and offers its prices; a
    // stored one keeps only its name, and its price is edited as typed.
    Item item;
    if (!line.code.isEmpty())
        LoadItem(m_db, line.code, item);
    const SaleLinePricing pricing(item, 0);
    const auto answer = dialog.AskLine(
        {line.code, line.name, line.quantity, {SaleLinePricing::Typed, line.price, true}, &pricing},
        [this](const SaleLineDialog::Answer& a) { return AcceptSaleLine(m_prompter, a.quantity, a.price); });
    if (!answer)
        return false;
    line.quantity = RoundHalfUp(answer->quantity, 2);
    line.price = RoundHalfUp(answer->price, 2);
    m_modified = true;
    return true;
}

bool OffersForm::DeleteLine(int index) {
    if (index < 0 || index >= static_cast<int>(m_offer.lines.size()) ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
            Answer::Yes)
        return false;
    m_offer.lines.erase(m_offer.lines.begin() + index);
    m_modified = true;
    return true;
}

bool OffersForm::DeleteAll() {
    if (m_offer.lines.empty() || m_prompter.AskYesNo("Потвърждавате ли изтриването на всички записи?",
                                                     MessageIcon::Question) != Answer::Yes)
        return false;
    m_offer.lines.clear();
    m_modified = true;
    return true;
}

void OffersForm::SetDate(const QDate& date) {
    m_modified = m_modified || date != m_offer.date;
    m_offer.date = date;
}

bool OffersForm::SetDiscount(double percent) {
    percent = RoundHalfUp(percent, 2);
    if (percent < 0 || percent > 100)
        return false;
    m_modified = m_modified || percent != m_offer.discount;
    m_offer.discount = percent;
    return true;
}

void OffersForm::SetVatUsed(bool used) {
    m_modified = m_modified || used != m_offer.vatUsed;
    m_offer.vatUsed = used;
}

bool OffersForm::EditDetails(OfferDetailsEditor& editor) {
    OfferDetails details{m_offer.toPerson, m_offer.subtitle, m_offer.note, m_offer.validity,
                         m_offer.signedBy};
    if (!editor.EditDetails(details))
        return false;
    const bool changed = details.toPerson != m_offer.toPerson || details.subtitle != m_offer.subtitle ||
                         details.note != m_offer.note || details.validity != m_offer.validity ||
                         details.signedBy != m_offer.signedBy;
    m_offer.toPerson = details.toPerson;
    m_offer.subtitle = details.subtitle;
    m_offer.note = details.note;
    m_offer.validity = details.validity;
    m_offer.signedBy = details.signedBy;
    m_modified = m_modified || changed;
    return changed;
}

bool OffersForm::Save(OfferDetailsEditor& editor) {
    if (!m_modified)
        return false;
    if (m_offer.lines.empty()) {
        m_prompter.Message(
            "Не сте добавили никакви артикули към този документ. Операцията не може да бъде извършена!",
            MessageIcon::Stop);
        return false;
    }
    if (m_offer.toPerson.isEmpty() && m_offer.subtitle.isEmpty() && m_offer.validity.isEmpty() &&
        m_prompter.AskYesNo("Желаете ли да укажете до кой е адресирана офертата, Вашето име,\nкакто и някои "
                            "други аспекти на документа преди да го запишете?",
                            MessageIcon::Question) == Answer::Yes)
        EditDetails(editor);
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    const std::optional<int> number = OfferStore::Write(t, m_db, m_offer, m_isNew);
    if (!number || !t.Commit())
        return false;
    m_offer.number = *number;
    m_isNew = false;
    m_modified = false;
    m_prompter.Message(
        "Офертата е съхранена успешно. Натиснете F7, за да създадете нова оферта\nили F8, за да "
        "отпечатите документа.",
        MessageIcon::Information);
    return true;
}

bool OffersForm::MayPrint() {
    if (!m_modified)
        return true;
    m_prompter.Message("За да отпечатите офертата е необходимо първо да съхраните промените. Моля, натиснете "
                       "бутона за запис.",
                       MessageIcon::Exclamation);
    return false;
}
