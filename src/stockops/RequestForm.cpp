#include "stockops/RequestForm.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/FirmCurrency.h"
#include "masterdata/Item.h"
#include "masterdata/ItemChooser.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerPrices.h"
#include "masterdata/PartnerStore.h"
#include "settings/LocalSettings.h"
#include "stockops/RequestPrintout.h"
#include "stockops/RequestStore.h"
#include "trade/DocumentBrowser.h"
#include "trade/DocumentChooser.h"

#include <algorithm>

RequestForm::RequestForm(Database& db, Prompter& prompter, LocalSettings& settings, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_settings(settings), m_clock(clock) {}

std::vector<ListColumn> RequestForm::Columns(bool withPrices) {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    const int price = withPrices ? 80 : 0;
    return {{"", 0, right, SortType::Integer},
            {"наименование", 250, left, SortType::Text},
            {"код", 100, left, SortType::Text},
            {"код по номенкл. на доставчика", 200, left, SortType::Text},
            {"мярка", 80, centre, SortType::Text},
            {"количество", 80, right, SortType::Decimal},
            {"ед. цена", price, right, SortType::Decimal},
            {"стойност", price, right, SortType::Decimal},
            {"забележки", 250, left, SortType::Text}};
}

QStringList RequestForm::Cells(const RequestLine& line, bool withPrices) {
    return {QString::number(line.seq),
            line.name,
            line.code,
            line.supplierCode,
            line.units,
            QString::asprintf("%.2f", line.quantity),
            withPrices ? QString::asprintf("%.2f", line.price) : QString(),
            withPrices ? QString::asprintf("%.2f", line.value) : QString(),
            line.notes};
}

QString RequestForm::TotalCaption() const {
    return QString::asprintf("ТОТАЛ (%s):", qUtf8Printable(m_request.currency));
}

QString RequestForm::TotalText() const {
    return QString::asprintf("%.2f", m_request.Total());
}

void RequestForm::Fresh(bool withPrices) {
    const QString preparedBy = m_settings.RequestPreparedBy();
    m_request = SupplierRequest();
    // A firm in euro asks its suppliers for prices in euro.
    if (LoadFirmCurrency(m_db).current == Currency::EUR)
        m_request.currency = "EUR";
    m_request.hasPrices = withPrices;
    m_request.date = m_clock.Now().date();
    m_request.preparedBy = preparedBy;
    m_carriers = RequestStore::Carriers(m_db);
    m_request.number = RequestStore::NextNumber(m_db).value_or(1);
    m_highestSeq = 0;
    m_isNew = true;
    m_modified = false;
}

void RequestForm::Start() {
    Fresh(false);
}

bool RequestForm::New(bool withPrices) {
    if (!MayDiscard(m_prompter))
        return false;
    // The prepared-by name stays as typed.
    const QString preparedBy = m_request.preparedBy;
    Fresh(withPrices);
    m_request.preparedBy = preparedBy;
    return true;
}

bool RequestForm::Load(DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    const auto choice = documents.ChooseDocument(DocumentKind::Requests, 0);
    if (!choice)
        return false;
    const std::optional<SupplierRequest> request = RequestStore::Load(m_db, choice->number);
    if (!request)
        return false;
    m_request = *request;
    m_carriers = RequestStore::Carriers(m_db);
    m_highestSeq = 0;
    for (const RequestLine& line : m_request.lines)
        m_highestSeq = std::max(m_highestSeq, line.seq);
    m_isNew = false;
    m_modified = false;
    return true;
}

bool RequestForm::ChooseSupplier(PartnerChooser& partners) {
    const std::optional<int> chosen = partners.ChoosePartner(PartnerTab::Suppliers, m_request.partnerId);
    if (!chosen)
        return false;
    const std::optional<QString> name = PartnerStore(m_db).Name(*chosen);
    if (!name)
        return false;
    m_request.partnerId = *chosen;
    m_request.partnerName = *name;
    m_modified = true;
    return true;
}

void RequestForm::SetDate(const QDate& date) {
    m_modified = m_modified || date != m_request.date;
    m_request.date = date;
}

void RequestForm::SetPreparedBy(const QString& name) {
    m_modified = m_modified || name != m_request.preparedBy;
    m_request.preparedBy = name;
    m_settings.SetRequestPreparedBy(name);
}

void RequestForm::SetCarrier(const QString& carrier) {
    m_modified = m_modified || carrier != m_request.carrier;
    m_request.carrier = carrier;
}

void RequestForm::SetNotes(const QString& notes) {
    m_modified = m_modified || notes != m_request.notes;
    m_request.notes = notes;
}

void RequestForm::SetCompleted(bool completed) {
    m_modified = m_modified || completed != m_request.completed;
    m_request.completed = completed;
}

void RequestForm::SetCurrency(const QString& code) {
    m_modified = m_modified || code != m_request.currency;
    m_request.currency = code;
}

RequestLineDialog::Refusal RequestForm::AcceptLine(const RequestLineDialog::Answer& answer) {
    if (RoundHalfUp(answer.quantity, 2) <= 0) {
        m_prompter.Message("Необходимо е да укажете количество!", MessageIcon::Exclamation);
        return RequestLineDialog::Refusal::Quantity;
    }
    if (m_request.hasPrices && answer.price < 0) {
        m_prompter.Message("Цената не може да бъде отрицателно число!", MessageIcon::Stop);
        return RequestLineDialog::Refusal::Price;
    }
    if (answer.useSupplierCode && answer.supplierCode.trimmed().isEmpty()) {
        m_prompter.Message("Изберете код по номенклатурата на доставчика или изключете опцията за неговото "
                           "отпечатване.",
                           MessageIcon::Exclamation);
        return RequestLineDialog::Refusal::SupplierCode;
    }
    return RequestLineDialog::Refusal::None;
}

void RequestForm::Apply(RequestLine& line, const RequestLineDialog::Answer& answer) const {
    line.supplierCode = answer.useSupplierCode ? answer.supplierCode.trimmed() : QString();
    line.quantity = RoundHalfUp(answer.quantity, 2);
    line.price = m_request.hasPrices ? RoundHalfUp(answer.price, 2) : 0;
    line.value = m_request.hasPrices ? RoundHalfUp(line.quantity * line.price, 2) : 0;
    line.priceKind = answer.kind;
    line.notes = answer.notes;
}

bool RequestForm::AddLine(ItemChooser& items, RequestLineDialog& dialog) {
    const std::optional<Item> chosen =
        ChooseCatalogueItem(m_db, items, ItemKind::Goods | ItemKind::Materials | ItemKind::Products,
                            ItemViews::kGoodsAndMaterials);
    if (!chosen)
        return false;
    const Item& item = *chosen;
    const SaleLinePricing pricing(item, GetPartnerPrice(m_db, m_request.partnerId, item.code));
    RequestLineDialog::Request request;
    request.name = item.name;
    request.code = item.code;
    request.supplierCodes = RequestStore::SupplierCodes(m_db, item.code, m_request.partnerId);
    request.supplierCode = request.supplierCodes.value(0);
    request.withPrices = m_request.hasPrices;
    // A supplier is asked at the price of the last delivery unless the
    // clerk picks another.
    request.start = pricing.Select(SaleLinePricing::LastPrice);
    request.pricing = &pricing;
    const auto answer = dialog.AskLine(request, [this](const auto& a) { return AcceptLine(a); });
    if (!answer)
        return false;
    RequestLine line;
    line.seq = ++m_highestSeq;
    line.name = item.name;
    line.code = item.code;
    line.units = item.units;
    Apply(line, *answer);
    m_request.lines.push_back(line);
    m_modified = true;
    return true;
}

bool RequestForm::EditLine(int index, RequestLineDialog& dialog) {
    if (index < 0 || index >= static_cast<int>(m_request.lines.size()))
        return false;
    RequestLine& line = m_request.lines[static_cast<size_t>(index)];
    // The item may be gone from the catalogue; its line stays editable.
    Item item;
    item.code = line.code;
    LoadItem(m_db, line.code, item);
    const SaleLinePricing pricing(item, GetPartnerPrice(m_db, m_request.partnerId, line.code));
    RequestLineDialog::Request request;
    request.name = line.name;
    request.code = line.code;
    request.supplierCodes = RequestStore::SupplierCodes(m_db, line.code, m_request.partnerId);
    request.useSupplierCode = !line.supplierCode.isEmpty();
    request.supplierCode = request.useSupplierCode ? line.supplierCode : request.supplierCodes.value(0);
    request.quantity = line.quantity;
    request.withPrices = m_request.hasPrices;
    request.start = {line.priceKind, line.price, line.priceKind == SaleLinePricing::Typed};
    request.pricing = &pricing;
    request.notes = line.notes;
    const auto answer = dialog.AskLine(request, [this](const auto& a) { return AcceptLine(a); });
    if (!answer)
        return false;
    Apply(line, *answer);
    m_modified = true;
    return true;
}

bool RequestForm::DeleteLine(int index) {
    if (index < 0 || index >= static_cast<int>(m_request.lines.size()) ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
            Answer::Yes)
        return false;
    m_request.lines.erase(m_request.lines.begin() + index);
    m_modified = true;
    return true;
}

bool RequestForm::Refuse(const QString& text) {
    m_prompter.Message(text, MessageIcon::Exclamation);
    return false;
}

bool RequestForm::Save() {
    if (m_request.lines.empty())
        return Refuse("Операцията не може да бъде записана, защото списъкът със стоки е празен.");
    if (m_request.partnerId == 0)
        return Refuse("Операцията не може да бъде записана, защото не е избран доставчик.");
    if (m_request.preparedBy.trimmed().isEmpty())
        return Refuse("Операцията не може да бъде записана, защото не е посочено име на лицето, което е "
                      "изготвило заявката.");
    if (m_request.carrier.trimmed().isEmpty())
        return Refuse("Операцията не може да бъде записана, защото не е избран превозвач.");
    WriteTransaction t(m_db);
    std::optional<int> number;
    if (t.Begin()) {
        if (m_isNew)
            number = RequestStore::WriteNew(t, m_db, m_request);
        else if (RequestStore::Rewrite(t, m_request))
            number = m_request.number;
        if (number && !t.Commit())
            number.reset();
    }
    if (!number) {
        t.Rollback();
        m_prompter.Message(m_isNew ? "Грешка: Програмата не може да съхрани тази операция!"
                                   : "Промените по тази операция не могат да бъдат отразени в момента!",
                           MessageIcon::Stop);
        return false;
    }
    m_request.number = *number;
    m_isNew = false;
    m_modified = false;
    m_carriers = RequestStore::Carriers(m_db);
    return true;
}

RequestPrintout RequestForm::Printout() const {
    return MakeRequestPrintout(m_db, m_request, m_settings.OrdersPrnLang());
}
