#pragma once

#include "sales/SaleDocument.h"
#include "sales/SaleSaveContext.h"
#include "sales/fiscal/FiscalDeviceSettings.h"
#include "sales/fiscal/FiscalReceiptStore.h"
#include "sales/fiscal/NetFpClient.h"

#include <optional>

class Database;
class HttpTransport;
class MachinePreferences;
class Prompter;
class TextInput;
class Clock;

// Registers the cash sales of the program on the fiscal device through the
// print server: a receipt after a cash sale is saved, a reversal after a
// cash credit note, the retry of a receipt that did not print, the daily
// reports and the cash put in or taken out. The document is always saved
// before: a receipt that fails leaves it "без фискален бон".
class FiscalRegister {
public:
    FiscalRegister(Database& db, Prompter& prompter, const MachinePreferences& settings,
                   HttpTransport& transport);

    // The device as the settings name it now (the settings dialog may have
    // changed them while a form was open).
    const FiscalDeviceSettings& Device();
    bool Configured() { return Device().Configured(); }
    // How long the server may print before it answers with the task, how
    // long an answer is waited for, and how long a printing task is followed.
    void SetTimeouts(int asyncTimeoutMs, int answerTimeoutMs, int followMs);
    // Where the clerk types the number of a receipt the server cannot tell
    // of, and the clock that dates a receipt's sending.
    void SetInteraction(TextInput* input, const Clock* clock);

    // The statements of a new sale document's save: a receipt left by a
    // deleted document of its number is set aside, and a cash goods note,
    // invoice with a goods note or free-text invoice reserves its receipt (a
    // cash credit note the reversal of its invoice's), so the document is
    // never stored without its mark. Without a register only the first.
    static SaleSaveGroup SaveGroup(Database& db, FiscalRegister* fiscal);
    // After the save: the reserved receipt prints, at once or when the
    // clerk agrees.
    void AfterSave(const SaleDocument& doc, double total);
    // "Издаване на фискален бон ...": the receipt of a stored document, or
    // its retry under the same unique sale number. True when it is printed.
    bool IssueFor(SaleFamily family, int number, bool credit);

    // The receipt a document has, if any.
    std::optional<FiscalReceipt> ReceiptOf(SaleFamily family, int number);
    // "фискален бон № …", "без фискален бон", or empty for a document that
    // needs none.
    static QString MarkOf(const std::optional<FiscalReceipt>& receipt);

    bool XReport();
    // The Z report closes the day; the clerk confirms it first.
    bool ZReport();
    bool Deposit(double amount);
    bool Withdraw(double amount);

    // "Проверка на връзката" of the settings dialog, for the device there.
    void CheckConnection(const FiscalDeviceSettings& device);
    // The devices the server offers; nothing (reported) when it does not answer.
    std::optional<std::vector<NetFpPrinter>> Printers(const QString& serverUrl);

private:
    enum class Kind { None, Sale, Reversal };
    Kind KindOf(const SaleDocument& doc);
    // Whether a device is chosen; says where to choose one when not.
    bool RequireDevice();
    // The receipt a document needs, with the sale number of the receipt it
    // reverses; nothing when it needs none.
    struct Draft {
        FiscalReceipt receipt;
        QString originalNumber;
    };
    std::optional<Draft> DraftFor(const SaleDocument& doc, int number, double total);
    // Prints a reserved receipt: one sent before is first asked about, so
    // nothing is ever sent twice under one sale number without the clerk.
    bool Print(FiscalReceipt& receipt, const SaleDocument& doc, double total);
    bool SendAndFinish(FiscalReceipt& receipt, const SaleDocument& doc, double total);
    NetFpResult Send(const FiscalReceipt& receipt, const SaleDocument& doc, double total);
    // The result of a request whose answer was lost, was a task id, or was
    // E109 (the server holds that task already): the task's own result.
    NetFpResult Settle(NetFpClient& client, const QString& taskId, NetFpResult result);
    bool Finish(FiscalReceipt& receipt, const NetFpResult& result);
    // The server forgot a receipt it was sent: the clerk says whether it printed.
    bool ResolveForgotten(FiscalReceipt& receipt, const SaleDocument& doc, double total);
    bool Simple(const QString& action, const QJsonObject& body, const QString& done);
    NetFpClient Client(const QString& serverUrl);
    void ReportNoAnswer(const NetFpResult& result, const QString& consequence);
    QString Now() const;
    // Who refused (the server itself, or the device) and what it said.
    QString RefusalText(const NetFpResult& result, const QString& deviceRefused) const;

    Database& m_db;
    Prompter& m_prompter;
    const MachinePreferences& m_settings;
    HttpTransport& m_transport;
    FiscalDeviceSettings m_device;
    FiscalReceiptStore m_store;
    TextInput* m_input = nullptr;
    const Clock* m_clock = nullptr;
    int m_asyncTimeoutMs = 15000;
    int m_answerTimeoutMs = 25000;
    int m_followMs = 30000;
};
