#pragma once

#include "sales/SaleOperation.h"

#include <QString>
#include <map>
#include <optional>

class Database;
class WriteTransaction;
struct NetFpResult;

// The fiscal receipt of one sale document (or the reversal receipt of a
// credit note) as the table `fiscal_receipts` keeps it.
struct FiscalReceipt {
    enum State {
        NotPrinted = 0, // reserved: the document is "без фискален бон" until it prints
        Printed = 1,
        Superseded = 2, // of a deleted document whose number a new one took
    };
    SaleFamily family = SaleFamily::GoodsNotes;
    int docId = 0;
    bool reversal = false;
    QString printerSerial;
    int sequence = 0; // of the device; 0 on a reversal, which keeps the original's number
    QString uniqueSaleNumber;
    QString taskId; // the print server's task, chosen before sending
    double amount = 0;
    int state = NotPrinted;
    QString receiptNumber;
    QString receiptDateTime;
    double receiptAmount = 0;
    QString fiscalMemoryNumber;
    // When the receipt went to the server under its task; empty while it was
    // never sent (or the server refused it, so its new task was not).
    QString sentAt;
    // The clerk entered the number of a receipt the server could not tell of.
    bool enteredByHand = false;
};

// The table of fiscal receipts: created when a fiscal device is first set up,
// so a file that never had one keeps only the tables of the program.
class FiscalReceiptStore {
public:
    explicit FiscalReceiptStore(Database& db) : m_db(db) {}

    bool Exists();
    bool Create();

    // The receipt of a document that is not superseded; nothing when there
    // is none (or no table).
    std::optional<FiscalReceipt> Find(SaleFamily family, int docId);
    // The receipts of a family by document number, for the document lists.
    std::map<int, FiscalReceipt> OfFamily(SaleFamily family);

    // Reserves the receipt of a document under the write lock, before
    // anything is sent: the unique sale number (the device's serial, the
    // operator's 4 characters and the device's next 7-digit sequence; a
    // reversal keeps its original's) and a new task id. A document that
    // already has a receipt keeps it. Nothing when the write failed.
    std::optional<FiscalReceipt> Reserve(const FiscalReceipt& draft, const QString& operatorCode,
                                         const QString& originalNumber = QString());
    // The same inside a change already begun (the save of the document).
    std::optional<FiscalReceipt> ReserveIn(WriteTransaction& t, const FiscalReceipt& draft,
                                           const QString& operatorCode, const QString& originalNumber);
    // A retry after the server forgot the task: the same sale number under a
    // new task id, stored before it is sent.
    bool RenewTask(FiscalReceipt& receipt);
    // The device's answer to a printed receipt.
    bool MarkPrinted(FiscalReceipt& receipt, const NetFpResult& result);
    // The receipt printed, by the clerk's word and its number.
    bool MarkPrintedByHand(FiscalReceipt& receipt, const QString& receiptNumber);
    // The moment the receipt goes to the server (before it is sent), or
    // empty when it surely did not reach it.
    bool MarkSent(FiscalReceipt& receipt, const QString& moment);

    // Inside the save of a new document: a receipt left by a deleted
    // document of the same number no longer belongs to it.
    static bool SupersedeFor(Database& db, WriteTransaction& t, SaleFamily family, int docId);

private:
    // Tables made before receipts kept their sending time get its columns.
    bool AddLaterColumns();
    bool SetSent(FiscalReceipt& receipt, const QString& taskId, const QString& moment);
    std::optional<FiscalReceipt> Read(const char* condition, SaleFamily family, int docId);

    Database& m_db;
    bool m_columnsChecked = false;
};
