// Invoices for documents issued earlier: for a goods note (code 7), for a
// pro-forma (code 8), and one invoice for several goods notes of a customer
// (code 9). The form takes over what the documents hold; the save marks
// them invoiced.
#include "base/Prompter.h"
#include "format/DocNumber.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerPrices.h"
#include "masterdata/PartnerStore.h"
#include "sales/SaleStore.h"
#include "sales/SellForm.h"
#include "trade/DocumentChooser.h"

#include <algorithm>

bool SellForm::InvoiceEarlier(SaleOp op, DocumentChooser& documents, PartnerChooser& partners) {
    if (!SaleOps::InvoicesEarlier(op) || !MayDiscard(m_prompter))
        return false;
    int customer = 0;
    if (op == SaleOp::CollectiveInvoice) {
        customer = m_customer.id;
        if (customer == 0) {
            const std::optional<int> chosen = partners.ChoosePartner(PartnerTab::Customers, 0);
            if (!chosen)
                return false;
            customer = *chosen;
        }
    }
    const DocumentKind kind = op == SaleOp::InvoiceForNote       ? DocumentKind::GoodsNotesNotInvoiced
                              : op == SaleOp::InvoiceForProforma ? DocumentKind::Proformas
                                                                 : DocumentKind::CustomerLinesNotInvoiced;
    const std::optional<DocumentChoice> chosen = documents.ChooseDocument(kind, customer);
    if (!chosen)
        return false;
    const std::optional<std::vector<SaleDocument>> sources = ReadEarlier(op, *chosen);
    if (!sources)
        return false;
    Partner partner;
    if (op == SaleOp::CollectiveInvoice && !PartnerStore(m_db).Load(customer, partner))
        return false;

    Reset(op);
    TakeOver(sources->front());
    if (op == SaleOp::CollectiveInvoice) {
        m_customer = partner;
        m_doc.header.partnerId = partner.id;
    }
    for (const SaleDocument& source : *sources)
        for (const SaleLine& line : source.lines) {
            SaleLine taken = line;
            // The lines of several goods notes are numbered anew.
            if (op == SaleOp::CollectiveInvoice)
                taken.seq = static_cast<int>(m_doc.lines.size()) + 1;
            // A pro-forma keeps no customer's codes.
            if (op == SaleOp::InvoiceForProforma && !taken.freeText)
                taken.visCode = GetPartnerCode(m_db, m_customer.id, taken.code);
            m_counter = std::max(m_counter, taken.seq);
            m_doc.lines.push_back(taken);
        }
    Recompute();
    return true;
}

// The chosen documents with their open lines, each line knowing its
// document; nothing, after a message, when they cannot be invoiced.
std::optional<std::vector<SaleDocument>> SellForm::ReadEarlier(SaleOp op, const DocumentChoice& chosen) {
    const bool proforma = op == SaleOp::InvoiceForProforma;
    const SaleFamily family = proforma ? SaleFamily::Proformas : SaleFamily::GoodsNotes;
    std::vector<int> numbers = chosen.numbers;
    if (op != SaleOp::CollectiveInvoice || numbers.empty())
        numbers = {chosen.number};
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());

    SaleStore store(m_db);
    std::vector<SaleDocument> sources;
    for (int number : numbers) {
        const QByteArray numberText = FormatDocNumber(number).toUtf8();
        if (proforma) {
            if (const int invoice = store.InvoicedWith(family, number)) {
                m_prompter.Message(
                    QString::asprintf("Проформа фактура № %s вече е фактурирана с фактура № %s.",
                                      numberText.constData(), FormatDocNumber(invoice).toUtf8().constData()),
                    MessageIcon::Exclamation);
                return std::nullopt;
            }
        }
        SaleDocument source;
        source.op = proforma ? SaleOp::Proforma : SaleOp::GoodsNote;
        if (!store.Load(family, number, source, !proforma)) {
            m_prompter.Message(
                QString::asprintf("Документ № %s не може да бъде прочетен.", numberText.constData()),
                MessageIcon::Stop);
            return std::nullopt;
        }
        if (source.lines.empty()) {
            m_prompter.Message(
                proforma ? QString::asprintf("Проформа фактура № %s няма редове.", numberText.constData())
                         : QString::asprintf("Всички редове на стокова разписка № %s вече са "
                                             "фактурирани.",
                                             numberText.constData()),
                MessageIcon::Exclamation);
            return std::nullopt;
        }
        const double total = store.StoredTotal(family, number);
        for (SaleLine& line : source.lines) {
            line.sourceDoc = number;
            line.sourceTotal = total;
        }
        // One invoice carries one discount.
        if (!sources.empty() && source.header.discount != sources.front().header.discount) {
            m_prompter.Message(
                "Избраните стокови разписки са с различна търговска отстъпка и не могат да бъдат "
                "фактурирани с една фактура.",
                MessageIcon::Exclamation);
            return std::nullopt;
        }
        sources.push_back(std::move(source));
    }
    return sources;
}

// The header, customer and firm of the (first) earlier document; the new
// invoice keeps its own number, date and payment date.
void SellForm::TakeOver(const SaleDocument& source) {
    const SaleHeader& from = source.header;
    SaleHeader& h = m_doc.header;
    h.partnerId = from.partnerId;
    h.receivedBy = from.receivedBy;
    h.compiledBy = from.compiledBy;
    h.transportedBy = from.transportedBy;
    h.givenBy = from.givenBy;
    h.discount = from.discount;
    h.place = from.place;
    h.object = from.object;
    h.recvDate = from.recvDate;
    h.payBy = from.payBy;
    h.osnovanie = from.osnovanie;
    h.taxEventDate = from.taxEventDate;
    h.osnovanieVat = from.osnovanieVat;
    h.newVehicle = from.newVehicle;
    m_doc.firm = source.firm;
    AdoptCustomer(source);
}
