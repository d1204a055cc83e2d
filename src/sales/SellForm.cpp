#include "sales/SellForm.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "masterdata/BankStore.h"
#include "masterdata/FirmData.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerPrices.h"
#include "masterdata/PartnerStore.h"
#include "masterdata/StockSettings.h"
#include "sales/SaleDetails.h"
#include "sales/SaleStore.h"
#include "sales/fiscal/FiscalRegister.h"
#include "settings/EntryPreferences.h"
#include "trade/DocumentChooser.h"

namespace {
// The browser kind of a stored document and the operation it loads as.
std::optional<SaleOp> loadedOp(DocumentKind kind) {
    switch (kind) {
    case DocumentKind::GoodsNotes:
        return SaleOp::GoodsNote;
    case DocumentKind::Invoices:
        return SaleOp::InvoiceWithNote;
    case DocumentKind::Proformas:
        return SaleOp::Proforma;
    case DocumentKind::DebitNotes:
        return SaleOp::DebitNote;
    case DocumentKind::CreditNotes:
        return SaleOp::CreditNote;
    default:
        return std::nullopt;
    }
}
} // namespace

SellForm::SellForm(Database& db, Prompter& prompter, EntryPreferences& settings, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_settings(settings), m_clock(clock) {}

SaleOp SellForm::DefaultOp() const {
    return m_settings.DefaultSellOp() == 1 ? SaleOp::InvoiceWithNote : SaleOp::GoodsNote;
}

QString SellForm::Caption() const {
    return SaleOps::Caption(m_doc.op, m_isNew, FormatDocNumber(m_doc.header.toInvoice),
                            SqlToDisplayDate(m_doc.header.toInvoiceDate));
}

std::vector<ListColumn> SellForm::Columns(SaleOp op) {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<ListColumn> columns{
        {"#", 0, left, SortType::Integer},         {"sel_price", 0, left, SortType::Integer},
        {"код", 80, left, SortType::Text},         {"наименование", 300, left, SortType::Text},
        {"мярка", 50, centre, SortType::Text},     {"количество", 85, right, SortType::Decimal},
        {"ед.цена", 90, right, SortType::Decimal}, {"стойност", 90, right, SortType::Decimal}};
    const int collective = op == SaleOp::CollectiveInvoice ? 80 : 0;
    columns.push_back({"Т.О.", collective, right, SortType::Integer});
    columns.push_back({"всичко", collective, right, SortType::Decimal});
    columns.push_back({"код по номенкл. на клиента", 180, left, SortType::Text});
    return columns;
}

QStringList SellForm::Cells(const SaleLine& line) {
    QStringList cells{QString::asprintf("%d", line.seq),
                      QString::asprintf("%d", line.selPrice),
                      line.code,
                      line.name,
                      line.units,
                      QString::asprintf("%.3f", line.quantity),
                      FormatNumber(line.price, 2),
                      FormatNumber(line.value, 2)};
    if (line.sourceDoc != 0)
        cells << QString::number(line.sourceDoc) << FormatNumber(line.sourceTotal, 2);
    else
        cells << QString() << QString();
    cells << line.visCode;
    return cells;
}

std::vector<std::pair<QString, QString>> SellForm::TotalsRows() const {
    return {{"СУМА:", QString::asprintf("%.2f", m_totals.allSum)},
            {"ОТСТЪПКА:", QString::asprintf("%.2f", m_totals.discountSum)},
            {"ДАНЪЧНА ОСНОВА:", FormatNumber(m_totals.base, 2)},
            {QString::asprintf("ДДС %.0f%%:", m_doc.firm.vatRate), QString::asprintf("%.2f", m_totals.vat)},
            {"СУМА ЗА ПЛАЩАНЕ" + CurrencyMark() + ":", QString::asprintf("%.2f", m_totals.total)}};
}

void SellForm::Start() {
    Reset(DefaultOp());
}

bool SellForm::NewOperation(SaleOp op, DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    int invoice = 0;
    QString invoiceDate;
    int invoiceCustomer = 0;
    if (op == SaleOp::DebitNote || op == SaleOp::CreditNote) {
        const std::optional<DocumentChoice> chosen = documents.ChooseDocument(DocumentKind::Invoices, 0);
        if (!chosen)
            return false;
        invoice = chosen->number;
        invoiceDate = DateToSql(chosen->date);
        invoiceCustomer = PartnerStore(m_db).DocumentPartnerId(invoice, 2);
    }
    Reset(op);
    m_doc.header.toInvoice = invoice;
    m_doc.header.toInvoiceDate = invoiceDate;
    // A note goes to the customer of its invoice.
    if (invoiceCustomer != 0 && PartnerStore(m_db).Load(invoiceCustomer, m_customer))
        m_doc.header.partnerId = invoiceCustomer;
    return true;
}

void SellForm::Reset(SaleOp op) {
    m_doc = SaleDocument();
    m_doc.op = op;
    m_isNew = true;
    m_counter = 0;
    m_customer = Partner();
    m_customer.id = 0;
    SaleHeader& h = m_doc.header;
    h.docId = SaleStore(m_db).NextNumber(SaleOps::FamilyOf(op)).value_or(1);
    m_numberText = FormatDocNumber(h.docId);
    const QDate today = m_clock.Now().date();
    h.docDate = h.recvDate = h.payDate = h.taxEventDate = today;
    h.osnovanie = "продажба";
    h.place = m_settings.SellCity();
    h.object = m_settings.SellObject();
    if (m_settings.AutoCompleteNameMode() == 1)
        h.givenBy = m_settings.SellsLastAutoCompleteName();
    if (m_settings.AutoCompleteCompNameMode() == 1)
        h.compiledBy = m_settings.SellsLastAutoCompleteCompName();
    if (m_settings.AutoSetLastVATReason() != 0)
        h.osnovanieVat = m_settings.LastVATReason();
    h.docType = SaleOps::DocTypeOf(op);
    m_doc.firm = CurrentFirm(m_db);
    Recompute();
}

bool SellForm::Load(DocumentKind kind, DocumentChooser& documents) {
    const std::optional<SaleOp> op = loadedOp(kind);
    if (!op)
        return false;
    if (!MayDiscard(m_prompter))
        return false;
    const std::optional<DocumentChoice> chosen = documents.ChooseDocument(kind, 0);
    if (!chosen)
        return false;
    SaleDocument loaded;
    loaded.op = *op;
    if (!SaleStore(m_db).Load(SaleOps::FamilyOf(*op), chosen->number, loaded))
        return false;
    m_doc = loaded;
    m_isNew = false;
    m_numberText = FormatDocNumber(m_doc.header.docId);
    AdoptCustomer(m_doc);
    m_counter = 0;
    for (const SaleLine& line : m_doc.lines)
        m_counter = std::max(m_counter, line.seq);
    Recompute();
    m_prompter.Message(
        QString::asprintf("Документът %s беше зареден успешно.", m_numberText.toUtf8().constData()),
        MessageIcon::Information);
    return true;
}

CustomerSnapshot SellForm::CustomerAsStored() const {
    return {m_customer.name, m_customer.city,  m_customer.address,
            m_customer.mol,  m_customer.taxId, m_customer.bulstat};
}

// The customer as a stored document keeps it.
void SellForm::AdoptCustomer(const SaleDocument& doc) {
    m_customer = Partner();
    m_customer.id = doc.header.partnerId;
    m_customer.name = doc.customer.name;
    m_customer.city = doc.customer.city;
    m_customer.address = doc.customer.address;
    m_customer.mol = doc.customer.mol;
    m_customer.taxId = doc.customer.taxId;
    m_customer.bulstat = doc.customer.bulstat;
}

QString SellForm::SetNumberText(const QString& typed) {
    if (!m_isNew)
        return m_numberText;
    QString text = typed;
    if (text.size() > 10) {
        m_prompter.Message("Грешка: задали сте номер на документ, който превишава ограничението от 10 цифри.",
                           MessageIcon::Exclamation);
        text = text.right(10);
    }
    m_numberText = text;
    m_doc.header.docId = ParseDocNumber(text);
    return text;
}

void SellForm::SetDate(const QDate& date) {
    m_doc.header.docDate = date;
    // A date before the changeover to euro writes the words in leva.
    Recompute();
}

bool SellForm::ChooseCustomer(PartnerChooser& partners) {
    if (!MayChangeCustomer())
        return false;
    const std::optional<int> chosen = partners.ChoosePartner(PartnerTab::Customers, m_customer.id);
    if (!chosen || !PartnerStore(m_db).Load(*chosen, m_customer))
        return false;
    m_doc.header.partnerId = m_customer.id;
    // The customer's own codes follow the customer.
    for (SaleLine& line : m_doc.lines)
        if (!line.freeText)
            line.visCode = VisCodeOf(line.code);
    return true;
}

QString SellForm::VisCodeOf(const QString& code) {
    return GetPartnerCode(m_db, m_customer.id, code);
}

bool SellForm::SetDiscount(double percent) {
    if (!MayChangeDiscount() || percent < 0 || percent > 100)
        return false;
    m_doc.header.discount = RoundHalfUp(percent, 2);
    Recompute();
    return true;
}

void SellForm::Recompute() {
    // Read each time: another seat may have moved the firm to euro.
    m_currency = LoadFirmCurrency(m_db);
    m_totals = ComputeSaleTotals(m_doc.lines, m_doc.header.discount, m_doc.firm.vatRegistered != 0,
                                 m_doc.firm.vatRate, DocumentCurrency());
    m_doc.header.slovom = m_totals.words;
}

SaleDetails SellForm::Details() const {
    const SaleHeader& h = m_doc.header;
    SaleDetails d;
    d.place = h.place;
    d.object = h.object;
    d.osnovanie = h.osnovanie;
    d.givenBy = h.givenBy;
    d.receivedBy = h.receivedBy;
    d.compiledBy = h.compiledBy;
    d.transportedBy = h.transportedBy;
    d.recvDate = h.recvDate;
    d.payDate = h.payDate;
    d.taxEventDate = h.taxEventDate;
    d.payBy = h.payBy;
    d.bankId = m_doc.firm.bankId;
    d.vatRegistered = m_doc.firm.vatRegistered;
    d.vatRate = m_doc.firm.vatRate;
    d.osnovanieVat = h.osnovanieVat;
    d.newVehicle = h.newVehicle;
    return d;
}

bool SellForm::EditDetails(SaleDetailsDialog& dialog) {
    const SaleDetails::Field focus = m_detailsFocus;
    m_detailsFocus = SaleDetails::Field::None;
    return EditDetails(dialog, focus);
}

bool SellForm::EditDetails(SaleDetailsDialog& dialog, SaleDetails::Field focus) {
    SaleStore store(m_db);
    SaleDetailsChoices choices{store.GivenByChoices(),
                               store.TransportedByChoices(),
                               store.CompiledByChoices(),
                               store.VatGroundChoices(),
                               {}};
    std::vector<Bank> banks;
    if (BankStore(m_db).All(banks))
        for (const Bank& bank : banks)
            choices.accounts.push_back({bank.id, bank.name, bank.code, bank.account});
    SaleDetails details = Details();
    return dialog.EditDetails(
        details, choices,
        [this](const SaleDetails& edited) {
            const SaleDetails::Field refused = edited.Validate(m_doc.op, m_prompter);
            if (refused == SaleDetails::Field::None)
                ApplyDetails(edited);
            return refused;
        },
        focus);
}

void SellForm::ApplyDetails(const SaleDetails& d) {
    if (!d.givenBy.trimmed().isEmpty())
        m_settings.SetSellsLastAutoCompleteName(d.givenBy.trimmed());
    m_settings.SetSellsLastAutoCompleteCompName(d.compiledBy.trimmed());
    m_settings.SetSellCity(d.place);
    m_settings.SetSellObject(d.object);
    SaleHeader& h = m_doc.header;
    h.place = d.place;
    h.object = d.object;
    h.osnovanie = d.osnovanie;
    h.givenBy = d.givenBy;
    h.receivedBy = d.receivedBy;
    h.compiledBy = d.compiledBy;
    h.transportedBy = d.transportedBy;
    h.recvDate = d.recvDate;
    h.payDate = d.payDate;
    h.taxEventDate = d.taxEventDate;
    h.payBy = d.payBy;
    h.osnovanieVat = d.osnovanieVat;
    h.newVehicle = d.newVehicle;
    const Bank bank = d.payBy == 1 ? BankStore(m_db).Find(d.bankId).value_or(Bank()) : Bank();
    m_doc.firm.bankId = bank.id;
    m_doc.firm.vatRegistered = d.vatRegistered;
    m_doc.firm.vatRate = d.vatRate;
    Recompute();
}

bool SellForm::Validate(SaleDetailsDialog& details) {
    const SaleHeader& h = m_doc.header;
    m_refusedAt = Fix::None;
    m_detailsFocus = SaleDetails::Field::None;
    auto refuse = [this](const char* text, Fix fix, SaleDetails::Field field = SaleDetails::Field::None) {
        m_prompter.Message(text, MessageIcon::Stop);
        m_refusedAt = fix;
        m_detailsFocus = field;
        return false;
    };
    if (h.compiledBy.trimmed().isEmpty())
        return refuse("Не е въведено името на лицето, което е съставило документа.", Fix::Details,
                      SaleDetails::Field::CompiledBy);
    if (m_doc.lines.empty())
        return refuse("Не са въведени артикули по тази операция.", Fix::Lines);
    // A new document dated before the changeover would be in leva while its
    // prices came from a catalogue in euro.
    if (m_isNew && DocumentCurrency() != m_currency.current) {
        m_prompter.Message(
            QString("Датата на документа е преди преминаването към евро (%1), а цените в каталога "
                    "са в евро. Изберете дата от %1 нататък.")
                .arg(DisplayDate(m_currency.changeover)),
            MessageIcon::Stop);
        m_refusedAt = Fix::Date;
        return false;
    }
    if (!HasCustomer())
        return refuse("Моля, изберете клиент!", Fix::Customer);
    if (h.givenBy.trimmed().isEmpty())
        return refuse("Моля, укажете името на лицето, което е предало стоките!", Fix::Details,
                      SaleDetails::Field::GivenBy);
    if (h.receivedBy.trimmed().isEmpty())
        return refuse("Моля, укажете името на лицето, което е приело стоките!", Fix::Details,
                      SaleDetails::Field::ReceivedBy);
    const auto [question, field] =
        h.place.trimmed().isEmpty() ? std::pair{"Не е указано място на извършване на сделката. "
                                                "Желаете ли да го попълните сега?",
                                                SaleDetails::Field::Place}
        : h.object.trimmed().isEmpty() ? std::pair{"Не е указан търговски обект. Желаете ли да го попълните "
                                                   "сега?",
                                                   SaleDetails::Field::Object}
        : h.payBy == 1 && m_doc.firm.bankId == 0
            ? std::pair{"Указано е плащане с платежно нареждане, но не сте избрали банка и банкова сметка. "
                        "Желаете ли да направите това сега?",
                        SaleDetails::Field::Account}
            : std::pair{static_cast<const char*>(nullptr), SaleDetails::Field::None};
    if (question) {
        if (m_prompter.AskYesNo(question, MessageIcon::Question) == Answer::Yes)
            EditDetails(details, field);
        return false;
    }
    return true;
}

// A stored free-text invoice, or one made for earlier documents, keeps its
// header as written.
bool SellForm::RewritesWhenStored() const {
    const SaleOp op = m_doc.op;
    return op == SaleOp::GoodsNote || op == SaleOp::InvoiceWithNote || op == SaleOp::Proforma ||
           op == SaleOp::DebitNote || op == SaleOp::CreditNote;
}

bool SellForm::Save(SaleDetailsDialog& details, SalePrinter& printer) {
    if (!Validate(details))
        return false;
    m_doc.customer = CustomerAsStored();
    m_doc.header.partnerId = m_customer.id;
    m_doc.header.slovom = m_totals.words;
    if (m_isNew) {
        SaleSaver saver(m_db, GetSellsOnZero(m_db) != 0, m_fiscal);
        for (const SaleSaveGroup& group : m_extraGroups)
            saver.Append(group);
        if (!saver.SaveNew(m_doc, m_totals))
            return false;
        m_isNew = false;
        m_prompter.Message("Продажбата беше успешно обработена и съхранена.", MessageIcon::Information);
        if (m_fiscal)
            m_fiscal->AfterSave(m_doc, m_totals.total);
    } else if (RewritesWhenStored()) {
        SaleSaver saver(m_db, true, m_fiscal);
        for (const SaleSaveGroup& group : m_extraGroups)
            saver.Append(group);
        if (!saver.SaveStored(m_doc))
            return false;
    }
    m_settings.SetLastVATReason(m_doc.header.osnovanieVat);
    if (WantsPrintout(m_prompter))
        printer.PrintNow(Printout());
    return true;
}

QString SellForm::FiscalMark() const {
    if (m_isNew || !m_fiscal)
        return QString();
    return FiscalRegister::MarkOf(m_fiscal->ReceiptOf(SaleOps::FamilyOf(m_doc.op), m_doc.header.docId));
}

bool SellForm::IssueFiscalReceipt() {
    if (!m_fiscal)
        return false;
    if (m_isNew) {
        m_prompter.Message("Фискалният бон се издава за записан документ. Запишете документа.",
                           MessageIcon::Information);
        return false;
    }
    return m_fiscal->IssueFor(SaleOps::FamilyOf(m_doc.op), m_doc.header.docId,
                              m_doc.op == SaleOp::CreditNote);
}

SalePrintout SellForm::Printout() const {
    SalePrintout p;
    p.op = m_doc.op;
    p.original = m_original;
    p.numberText = m_numberText;
    p.header = m_doc.header;
    p.header.slovom = m_totals.words;
    p.customer = CustomerAsStored();
    p.firm = m_doc.firm;
    if (m_doc.header.payBy == 1)
        p.bank = BankStore(m_db).Find(m_doc.firm.bankId).value_or(Bank());
    p.lines = m_doc.lines;
    const std::vector<std::pair<QString, QString>> totals = TotalsRows();
    p.sum = totals[0].second;
    p.discount = totals[1].second;
    p.base = totals[2].second;
    p.vat = totals[3].second;
    p.total = totals[4].second;
    p.words = m_totals.words;
    p.currencyMark = CurrencyMark();
    return p;
}

bool SellForm::Print(bool original, SaleDetailsDialog& details, SalePrinter& printer) {
    m_refusedAt = Fix::None;
    if (original && m_isNew) {
        m_prompter.Message("Оригиналът на документа се отпечатва след неговия запис. Запишете документа или "
                           "отпечатайте копие.",
                           MessageIcon::Information);
        return false;
    }
    if (!Validate(details))
        return false;
    m_original = original;
    printer.Preview(Printout());
    return true;
}
