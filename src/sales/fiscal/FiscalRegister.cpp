#include "sales/fiscal/FiscalRegister.h"

#include "base/Clock.h"
#include "base/Prompter.h"
#include "base/TextInput.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/FormatNumber.h"
#include "sales/SaleStore.h"
#include "sales/fiscal/FiscalMessages.h"
#include "sales/fiscal/ReceiptRequest.h"
#include "settings/MachinePreferences.h"

#include <QDateTime>
#include <cmath>

namespace {

constexpr const char* kRetryHint = "издайте бона по-късно с „Издаване на фискален бон ...“.";

QString receiptTime(const QString& iso) {
    const QDateTime moment = QDateTime::fromString(iso, Qt::ISODate);
    return moment.isValid() ? moment.toString("dd.MM.yyyy HH:mm") : iso;
}

} // namespace

FiscalRegister::FiscalRegister(Database& db, Prompter& prompter, const MachinePreferences& settings,
                               HttpTransport& transport)
    : m_db(db), m_prompter(prompter), m_settings(settings), m_transport(transport),
      m_device(LoadFiscalDevice(settings)), m_store(db) {}

const FiscalDeviceSettings& FiscalRegister::Device() {
    m_device = LoadFiscalDevice(m_settings);
    return m_device;
}

void FiscalRegister::SetTimeouts(int asyncTimeoutMs, int answerTimeoutMs, int followMs) {
    m_asyncTimeoutMs = asyncTimeoutMs;
    m_answerTimeoutMs = answerTimeoutMs;
    m_followMs = followMs;
}

void FiscalRegister::SetInteraction(TextInput* input, const Clock* clock) {
    m_input = input;
    m_clock = clock;
}

QString FiscalRegister::Now() const {
    return (m_clock ? m_clock->Now() : QDateTime::currentDateTime()).toString(Qt::ISODate);
}

NetFpClient FiscalRegister::Client(const QString& serverUrl) {
    NetFpClient client(m_transport, serverUrl);
    client.SetTimeouts(m_asyncTimeoutMs, m_answerTimeoutMs);
    return client;
}

FiscalRegister::Kind FiscalRegister::KindOf(const SaleDocument& doc) {
    if (doc.header.payBy != 0)
        return Kind::None;
    switch (doc.op) {
    case SaleOp::GoodsNote:
    case SaleOp::InvoiceWithNote:
    case SaleOp::FreeTextInvoice:
        return Kind::Sale;
    case SaleOp::CreditNote:
        return Kind::Reversal;
    default:
        return Kind::None;
    }
}

std::optional<FiscalReceipt> FiscalRegister::ReceiptOf(SaleFamily family, int number) {
    return m_store.Find(family, number);
}

QString FiscalRegister::MarkOf(const std::optional<FiscalReceipt>& receipt) {
    if (!receipt)
        return QString();
    if (receipt->state == FiscalReceipt::Printed)
        return "фискален бон № " + receipt->receiptNumber;
    return "без фискален бон";
}

std::optional<FiscalRegister::Draft> FiscalRegister::DraftFor(const SaleDocument& doc, int number,
                                                              double total) {
    const Kind kind = KindOf(doc);
    if (!Configured() || kind == Kind::None)
        return std::nullopt;
    Draft draft;
    draft.receipt.family = SaleOps::FamilyOf(doc.op);
    draft.receipt.docId = number;
    draft.receipt.reversal = kind == Kind::Reversal;
    draft.receipt.printerSerial =
        m_device.serialNumber.isEmpty() ? m_device.printerId.toUpper() : m_device.serialNumber;
    draft.receipt.amount = total;
    if (draft.receipt.reversal) {
        // Only a receipt that printed can be reversed.
        const std::optional<FiscalReceipt> original =
            m_store.Find(SaleFamily::Invoices, doc.header.toInvoice);
        if (!original || original->state != FiscalReceipt::Printed)
            return std::nullopt;
        draft.originalNumber = original->uniqueSaleNumber;
    }
    return draft;
}

SaleSaveGroup FiscalRegister::SaveGroup(Database& db, FiscalRegister* fiscal) {
    return [&db, fiscal](WriteTransaction& t, SaleSaveContext& c) {
        if (c.stored)
            return true;
        if (!FiscalReceiptStore::SupersedeFor(db, t, SaleOps::FamilyOf(c.doc.op), c.number) ||
            (c.goodsNoteNumber != 0 &&
             !FiscalReceiptStore::SupersedeFor(db, t, SaleFamily::GoodsNotes, c.goodsNoteNumber)))
            return false;
        if (!fiscal)
            return true;
        const std::optional<Draft> draft = fiscal->DraftFor(c.doc, c.number, c.totals.total);
        return !draft ||
               fiscal->m_store
                   .ReserveIn(t, draft->receipt, fiscal->m_device.OperatorCode(), draft->originalNumber)
                   .has_value();
    };
}

void FiscalRegister::AfterSave(const SaleDocument& doc, double total) {
    if (!Configured())
        return;
    std::optional<FiscalReceipt> receipt = m_store.Find(SaleOps::FamilyOf(doc.op), doc.header.docId);
    if (!receipt || receipt->state != FiscalReceipt::NotPrinted)
        return; // the document needs no receipt
    // A document the clerk does not print now stays marked until it is.
    if (!m_device.automatic &&
        m_prompter.AskYesNo(receipt->reversal
                                ? "Да бъде ли издаден сторно бон за кредитното известие?"
                                : "Да бъде ли издаден фискален бон за продажбата?") != Answer::Yes)
        return;
    Print(*receipt, doc, total);
}

bool FiscalRegister::RequireDevice() {
    if (Configured())
        return true;
    m_prompter.Message(
        "Не е избрано фискално устройство. Изберете го от „Настройки“ › „Фискално устройство ...“.",
        MessageIcon::Exclamation);
    return false;
}

bool FiscalRegister::IssueFor(SaleFamily family, int number, bool credit) {
    if (!RequireDevice())
        return false;
    SaleDocument doc;
    doc.op = family == SaleFamily::GoodsNotes ? SaleOp::GoodsNote
             : credit                         ? SaleOp::CreditNote
                                              : SaleOp::InvoiceWithNote;
    if (family == SaleFamily::Proformas || !SaleStore(m_db).Load(family, number, doc)) {
        m_prompter.Message("Документът не може да бъде прочетен.", MessageIcon::Stop);
        return false;
    }
    if (KindOf(doc) == Kind::None) {
        m_prompter.Message("За този документ не се издава фискален бон: бон се издава за стокови разписки и "
                           "фактури, платени в брой, и сторно бон за кредитно известие в брой.",
                           MessageIcon::Information);
        return false;
    }
    const double total = ComputeSaleTotals(doc.lines, doc.header.discount, doc.firm.vatRegistered != 0,
                                           doc.firm.vatRate, Currency::BGN)
                             .total;
    std::optional<FiscalReceipt> receipt = m_store.Find(family, number);
    if (receipt && receipt->state == FiscalReceipt::Printed) {
        m_prompter.Message(QString("Документът вече има фискален бон № %1 от %2.")
                               .arg(receipt->receiptNumber, receiptTime(receipt->receiptDateTime)),
                           MessageIcon::Information);
        return true;
    }
    if (receipt)
        return Print(*receipt, doc, total);
    const std::optional<Draft> draft = DraftFor(doc, number, total);
    if (!draft) {
        m_prompter.Message("Фактурата на кредитното известие няма фискален бон; сторно бон не се издава.",
                           MessageIcon::Information);
        return false;
    }
    if (m_prompter.AskYesNo(
            "За документа няма записан фискален бон. Издайте бон само ако продажбата не е "
            "регистрирана на фискалното устройство по друг начин. Да бъде ли издаден фискален "
            "бон?") != Answer::Yes)
        return false;
    receipt = m_store.Reserve(draft->receipt, m_device.OperatorCode(), draft->originalNumber);
    return receipt && Print(*receipt, doc, total);
}

NetFpResult FiscalRegister::Send(const FiscalReceipt& receipt, const SaleDocument& doc, double total) {
    NetFpClient client = Client(m_device.serverUrl);
    if (receipt.reversal) {
        const std::optional<FiscalReceipt> original =
            m_store.Find(SaleFamily::Invoices, doc.header.toInvoice);
        return client.Print(m_device.printerId, "reversalreceipt",
                            ReversalReceiptBody(doc, total, m_device, original.value_or(FiscalReceipt())),
                            receipt.taskId);
    }
    return client.Print(m_device.printerId, "receipt",
                        SaleReceiptBody(doc, total, m_device, receipt.uniqueSaleNumber), receipt.taskId);
}

bool FiscalRegister::Print(FiscalReceipt& receipt, const SaleDocument& doc, double total) {
    using Outcome = NetFpResult::Outcome;
    if (!receipt.sentAt.isEmpty()) {
        // The task sent before may have printed after its answer was lost:
        // its result is taken, and nothing is sent twice.
        NetFpClient client = Client(m_device.serverUrl);
        const NetFpResult result = client.AwaitTask(receipt.taskId, m_followMs);
        if (result.outcome == Outcome::Unknown)
            return ResolveForgotten(receipt, doc, total);
        if (result.outcome != Outcome::Refused)
            return Finish(receipt, result);
        // The device refused it: nothing printed, and a new task may.
        if (!m_store.RenewTask(receipt))
            return false;
    }
    return SendAndFinish(receipt, doc, total);
}

bool FiscalRegister::SendAndFinish(FiscalReceipt& receipt, const SaleDocument& doc, double total) {
    if (!m_store.MarkSent(receipt, Now()))
        return false;
    NetFpClient client = Client(m_device.serverUrl);
    NetFpResult result = Send(receipt, doc, total);
    if (!result.delivered && !m_store.MarkSent(receipt, QString()))
        return false;
    return Finish(receipt, Settle(client, receipt.taskId, result));
}

NetFpResult FiscalRegister::Settle(NetFpClient& client, const QString& taskId, NetFpResult result) {
    using Outcome = NetFpResult::Outcome;
    const bool lost = result.outcome == Outcome::NoAnswer && result.delivered;
    const bool known = result.outcome == Outcome::Refused && result.HasCode("E109");
    if (!lost && !known && result.outcome != Outcome::Pending)
        return result;
    NetFpResult settled = client.AwaitTask(taskId, m_followMs);
    if (settled.outcome == Outcome::NoAnswer && lost)
        return result; // the first reason is the one to show
    return settled;
}

bool FiscalRegister::Finish(FiscalReceipt& receipt, const NetFpResult& result) {
    using Outcome = NetFpResult::Outcome;
    switch (result.outcome) {
    case Outcome::Done:
        break;
    case Outcome::Refused:
        // A new task for the next attempt: the server keeps the refused one.
        m_store.RenewTask(receipt);
        m_prompter.Message(
            RefusalText(result, "Фискалното устройство не издаде бона. Документът е записан без фискален бон."),
            MessageIcon::Stop);
        return false;
    case Outcome::Pending:
        m_prompter.Message("Фискалното устройство още не е завършило бона. Документът е записан без фискален "
                           "бон; проверете след малко с „Издаване на фискален бон ...“.",
                           MessageIcon::Exclamation);
        return false;
    case Outcome::Unknown:
    case Outcome::NoAnswer:
        if (!result.delivered) {
            ReportNoAnswer(result, QString("Документът е записан без фискален бон; ") + kRetryHint);
            return false;
        }
        ReportNoAnswer(result, QString("Не е известно дали бонът на продажба %1 е отпечатан. Не го издавайте "
                                       "отново по друг начин: „Издаване на фискален бон ...“ ще провери при "
                                       "сървъра и няма да го отпечата втори път.")
                                   .arg(receipt.uniqueSaleNumber));
        return false;
    }
    if (!m_store.MarkPrinted(receipt, result))
        return false; // the database reported why
    QStringList notes;
    if (std::fabs(result.receiptAmount - receipt.amount) > 0.0100001)
        notes << QString("Сумата на фискалния бон (%1) се различава от сумата на документа (%2).")
                     .arg(FormatNumber(result.receiptAmount, 2), FormatNumber(receipt.amount, 2));
    notes << FiscalProblems(result.messages);
    if (notes.size() > 0)
        m_prompter.Message(QString("Фискален бон № %1.\n\n").arg(result.receiptNumber) + notes.join('\n'),
                           MessageIcon::Exclamation);
    return true;
}

bool FiscalRegister::ResolveForgotten(FiscalReceipt& receipt, const SaleDocument& doc, double total) {
    const Answer answer = m_prompter.AskYesNoCancel(
        QString("Бонът на продажба %1 е изпратен на %2, но отговорът не е получен, а сървърът за фискални "
                "устройства вече не помни задачата (вероятно е бил рестартиран). Проверете на фискалното "
                "устройство или в контролната лента дали бонът е отпечатан.\n\n"
                "Да: бонът е отпечатан, ще въведете номера му.\n"
                "Не: бонът не е отпечатан, да бъде издаден отново.\n"
                "Отказ: нищо не се променя.")
            .arg(receipt.uniqueSaleNumber, receiptTime(receipt.sentAt)),
        MessageIcon::Question);
    if (answer == Answer::No) {
        if (!m_store.RenewTask(receipt))
            return false;
        return SendAndFinish(receipt, doc, total);
    }
    if (answer != Answer::Yes)
        return false;
    if (!m_input) {
        m_prompter.Message("Номерът на бона не може да бъде въведен оттук.", MessageIcon::Exclamation);
        return false;
    }
    const std::optional<QString> number =
        m_input->AskText("Фискален бон", "Номер на отпечатания фискален бон:", QString());
    if (!number || number->trimmed().isEmpty())
        return false;
    return m_store.MarkPrintedByHand(receipt, number->trimmed());
}

QString FiscalRegister::RefusalText(const NetFpResult& result, const QString& deviceRefused) const {
    const QString who = result.answered
                            ? QString("Сървърът за фискални устройства на %1 отказа заявката.").arg(m_device.serverUrl)
                            : deviceRefused;
    return who + "\n\n" + FiscalProblems(result.messages).join('\n');
}

void FiscalRegister::ReportNoAnswer(const NetFpResult& result, const QString& consequence) {
    const QString problem = result.answered ? "върна неразбираем отговор" : "не отговаря";
    m_prompter.Message(QString("Сървърът за фискални устройства на %1 %2 (%3).\n%4")
                           .arg(m_device.serverUrl, problem, result.transportError, consequence),
                       MessageIcon::Stop);
}

bool FiscalRegister::Simple(const QString& action, const QJsonObject& body, const QString& done) {
    using Outcome = NetFpResult::Outcome;
    if (!RequireDevice())
        return false;
    NetFpClient client = Client(m_device.serverUrl);
    // A task id of its own, so a lost answer can be asked about and nothing
    // is done twice.
    const QString taskId = NetFpClient::NewTaskId();
    NetFpResult result = Settle(client, taskId, client.Print(m_device.printerId, action, body, taskId));
    for (;;) {
        switch (result.outcome) {
        case Outcome::Done: {
            const QStringList problems = FiscalProblems(result.messages);
            m_prompter.Message(problems.isEmpty() ? done : done + "\n\n" + problems.join('\n'),
                               problems.isEmpty() ? MessageIcon::Information : MessageIcon::Exclamation);
            return true;
        }
        case Outcome::Refused:
            m_prompter.Message(RefusalText(result, "Фискалното устройство отказа."), MessageIcon::Stop);
            return false;
        case Outcome::Unknown:
            m_prompter.Message("Сървърът за фискални устройства не помни командата, а отговорът ѝ не е получен. "
                               "Проверете на фискалното устройство дали е изпълнена, преди да я повторите.",
                               MessageIcon::Exclamation);
            return false;
        case Outcome::NoAnswer:
            if (!result.delivered) {
                ReportNoAnswer(result, "Нищо не е отпечатано.");
                return false;
            }
            [[fallthrough]];
        case Outcome::Pending:
            if (m_prompter.AskYesNo(
                    QString("Не е известно дали фискалното устройство изпълни командата (%1). Не я "
                            "повтаряйте, преди да проверите.\n\nДа бъде ли проверено отново сега?")
                        .arg(result.outcome == Outcome::Pending ? QString("устройството още работи")
                                                                 : result.transportError),
                    MessageIcon::Exclamation) != Answer::Yes)
                return false;
            result = client.AwaitTask(taskId, m_followMs);
            break;
        }
    }
}

bool FiscalRegister::XReport() {
    return Simple("xreport", QJsonObject(), "X отчетът е отпечатан.");
}

bool FiscalRegister::ZReport() {
    if (Configured() && m_prompter.AskYesNoDefaultNo(
                            "Z отчетът приключва деня и нулира дневните суми на фискалното устройство. Да "
                            "бъде ли отпечатан?",
                            MessageIcon::Question) != Answer::Yes)
        return false;
    return Simple("zreport", QJsonObject(), "Z отчетът е отпечатан.");
}

bool FiscalRegister::Deposit(double amount) {
    return Simple(
        "deposit", CashAmountBody(amount, Device()),
        QString("Служебно въведени %1 в касата на фискалното устройство.").arg(FormatNumber(amount, 2)));
}

bool FiscalRegister::Withdraw(double amount) {
    return Simple(
        "withdraw", CashAmountBody(amount, Device()),
        QString("Служебно изведени %1 от касата на фискалното устройство.").arg(FormatNumber(amount, 2)));
}

void FiscalRegister::CheckConnection(const FiscalDeviceSettings& device) {
    if (!device.Configured()) {
        m_prompter.Message("Изберете устройство от списъка.", MessageIcon::Exclamation);
        return;
    }
    const NetFpResult result = Client(device.serverUrl).Status(device.printerId);
    const QStringList problems = FiscalProblems(result.messages);
    switch (result.outcome) {
    case NetFpResult::Outcome::Done: {
        QString text = "Връзката с фискалното устройство е наред.";
        const QDateTime clock = QDateTime::fromString(result.deviceDateTime, Qt::ISODate);
        if (clock.isValid())
            text += "\nДата и час на устройството: " + clock.toString("dd.MM.yyyy HH:mm");
        if (!problems.isEmpty())
            text += "\n\n" + problems.join('\n');
        m_prompter.Message(text, problems.isEmpty() ? MessageIcon::Information : MessageIcon::Exclamation);
        return;
    }
    case NetFpResult::Outcome::Refused:
        m_prompter.Message("Фискалното устройство не е готово за работа.\n\n" + problems.join('\n'),
                           MessageIcon::Stop);
        return;
    default:
        m_prompter.Message(QString("Сървърът за фискални устройства на %1 не отговаря (%2).")
                               .arg(device.serverUrl, result.transportError),
                           MessageIcon::Stop);
        return;
    }
}

std::optional<std::vector<NetFpPrinter>> FiscalRegister::Printers(const QString& serverUrl) {
    QString error;
    std::optional<std::vector<NetFpPrinter>> printers = Client(serverUrl).Printers(error);
    if (!printers)
        m_prompter.Message(
            QString("Сървърът за фискални устройства на %1 не отговаря (%2).").arg(serverUrl, error),
            MessageIcon::Stop);
    else if (printers->empty())
        m_prompter.Message("Сървърът не намира фискално устройство. Проверете връзката на устройството със "
                           "сървъра.",
                           MessageIcon::Exclamation);
    return printers;
}
