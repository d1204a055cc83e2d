#include "stockops/DeliveryForm.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "masterdata/FirmData.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerStore.h"
#include "settings/EntryPreferences.h"
#include "stockops/DeliveryStore.h"
#include "trade/DocumentChooser.h"

DeliveryForm::DeliveryForm(Database& db, Prompter& prompter, EntryPreferences& settings, const Clock& clock)
    : m_db(db), m_prompter(prompter), m_settings(settings), m_clock(clock) {}

QString DeliveryForm::NumberText() const {
    return FormatDocNumber(m_doc.header.docId);
}

std::vector<ListColumn> DeliveryForm::Columns() {
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    return {{"#", 0, left, SortType::Integer},
            {"код", 80, left, SortType::Text},
            {"наименование", 250, left, SortType::Text},
            {"мярка", 50, centre, SortType::Text},
            {"количество", 100, right, SortType::Decimal},
            {"дост. цена", 100, right, SortType::Decimal},
            {"общо", 100, right, SortType::Decimal}};
}

QStringList DeliveryForm::Cells(const DeliveryLine& line) {
    return {QString::asprintf("%d", line.seq),
            line.code,
            line.name,
            line.units,
            FormatNumber(line.quantity, 3),
            FormatNumber(line.price, 2),
            FormatNumber(line.value, 2)};
}

std::vector<std::pair<QString, QString>> DeliveryForm::TotalsRows() const {
    auto figure = [](double value) { return FormatNumber(value, 2) + " "; };
    return {{"СУМА:", figure(m_totals.allSum)},
            {"Т.О.:", figure(m_totals.discountSum)},
            {"ДДС:", figure(m_totals.vat)},
            {"ВСИЧКО:", figure(m_totals.total)}};
}

void DeliveryForm::Start() {
    Reset();
}

bool DeliveryForm::NewDelivery() {
    if (!MayDiscard(m_prompter))
        return false;
    Reset();
    return true;
}

void DeliveryForm::Reset() {
    m_doc = Delivery();
    m_isNew = true;
    m_markPaid = false;
    m_counter = 0;
    DeliveryHeader& h = m_doc.header;
    h.docId = DeliveryStore(m_db).NextNumber().value_or(1);
    h.docDate = h.payDate = m_clock.Now().date();
    if (m_settings.AutoCompleteNameMode() == 1)
        h.receivedBy = m_settings.SuppliesLastAutoCompleteName();
    m_doc.firm = CurrentFirm(m_db);
    Recompute();
}

void DeliveryForm::Recompute() {
    m_totals = Deliveries::Totals(m_doc);
}

bool DeliveryForm::Load(DocumentChooser& documents) {
    if (!MayDiscard(m_prompter))
        return false;
    const std::optional<DocumentChoice> chosen = documents.ChooseDocument(DocumentKind::Deliveries, 0);
    if (!chosen)
        return false;
    Delivery loaded;
    if (!DeliveryStore(m_db).Load(chosen->number, loaded))
        return false;
    m_doc = loaded;
    m_isNew = false;
    m_markPaid = false;
    m_counter = 0;
    for (const DeliveryLine& line : m_doc.lines)
        m_counter = std::max(m_counter, line.seq);
    Recompute();
    m_prompter.Message(QString::asprintf("Документът %s беше зареден успешно.", qUtf8Printable(NumberText())),
                       MessageIcon::Information);
    return true;
}

bool DeliveryForm::ChooseSupplier(PartnerChooser& partners) {
    const std::optional<int> chosen = partners.ChoosePartner(PartnerTab::Suppliers, m_doc.header.partnerId);
    Partner supplier;
    if (!chosen || !PartnerStore(m_db).Load(*chosen, supplier))
        return false;
    m_doc.header.partnerId = supplier.id;
    m_doc.supplier = {supplier.name,     supplier.city,        supplier.address,      supplier.mol,
                      supplier.taxId,    supplier.bulstat,     supplier.bankName,     supplier.bankBranch,
                      supplier.bankCode, supplier.bankAccount, supplier.vatRegistered};
    m_doc.header.givenBy = supplier.mol;
    Recompute();
    return true;
}

void DeliveryForm::SetNumber(int number) {
    if (m_isNew)
        m_doc.header.docId = number;
}

void DeliveryForm::SetDate(const QDate& date) {
    m_doc.header.docDate = date;
}

void DeliveryForm::SetPayDate(const QDate& date) {
    m_doc.header.payDate = date;
}

bool DeliveryForm::SetDiscount(double percent) {
    if (!m_isNew)
        return false;
    if (percent < 0) {
        m_prompter.Message("Размерът на отстъпката не може да бъде отрицателно число.", MessageIcon::Stop);
        return false;
    }
    m_doc.header.discount = RoundHalfUp(percent, 2);
    Recompute();
    return true;
}

void DeliveryForm::SetReceivedBy(const QString& name) {
    m_doc.header.receivedBy = name;
    m_settings.SetSuppliesLastAutoCompleteName(name);
}

bool DeliveryForm::Validate() {
    const DeliveryHeader& h = m_doc.header;
    const char* refusal = m_doc.lines.empty() ? "Не са въведени артикули по тази операция."
                          : h.partnerId == 0 || m_doc.supplier.name.trimmed().isEmpty()
                              ? "Не е избран доставчик по тази операция."
                          : h.discount > 100 ? "Размерът на отстъпката надвишава максимално допустимия."
                          : h.receivedBy.trimmed().isEmpty() || h.givenBy.trimmed().isEmpty()
                              ? "Моля, попълнете имената на лицата, приели и предали стоките."
                              : nullptr;
    m_refusedField = m_doc.lines.empty() || !refusal                               ? Field::None
                     : h.partnerId == 0 || m_doc.supplier.name.trimmed().isEmpty() ? Field::Supplier
                     : h.discount > 100                                            ? Field::Discount
                     : h.givenBy.trimmed().isEmpty()                               ? Field::GivenBy
                                                                                   : Field::ReceivedBy;
    if (!refusal)
        return true;
    m_prompter.Message(refusal, MessageIcon::Stop);
    return false;
}

// A taken number is asked about once the change has been rolled back; the
// next free number is then taken under the lock of the second attempt.
DeliverySaver::Result DeliveryForm::SaveNew() {
    DeliverySaver saver(m_db);
    for (const DeliverySaveGroup& group : m_extraGroups)
        saver.Append(group);
    DeliverySaver::Result result = saver.SaveNew(m_doc, m_markPaid, false);
    if (result == DeliverySaver::Result::NumberTaken) {
        if (m_prompter.AskYesNo("Грешка: вече има документ с този номер. Желаете ли да използвате следващия\n"
                                "свободен номер за да продължите?",
                                MessageIcon::Question) != Answer::Yes)
            return result;
        result = saver.SaveNew(m_doc, m_markPaid, true);
    }
    return result;
}

bool DeliveryForm::Save(DeliveryPrinter& printer) {
    if (!Validate())
        return false;
    Recompute();
    const bool wasNew = m_isNew;
    const DeliverySaver::Result result = !wasNew ? SaveStored() : SaveNew();
    if (result == DeliverySaver::Result::NumberTaken)
        return false;
    if (result == DeliverySaver::Result::Failed) {
        m_prompter.Message("Грешка: Програмата не може да съхрани тази операция!", MessageIcon::Stop);
        return false;
    }
    m_isNew = false;
    m_prompter.Message(wasNew ? "Доставката беше успешно обработена и съхранена."
                              : "Промените по доставката бяха съхранени.",
                       MessageIcon::Information);
    if (WantsPrintout(m_prompter))
        printer.Preview(Printout());
    return true;
}

DeliverySaver::Result DeliveryForm::SaveStored() {
    DeliverySaver saver(m_db);
    for (const DeliverySaveGroup& group : m_extraGroups)
        saver.Append(group);
    return saver.SaveStored(m_doc) ? DeliverySaver::Result::Saved : DeliverySaver::Result::Failed;
}

DeliveryPrintout DeliveryForm::Printout() const {
    return {m_doc, m_totals, NumberText()};
}
