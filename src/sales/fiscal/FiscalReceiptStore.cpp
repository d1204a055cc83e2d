#include "sales/fiscal/FiscalReceiptStore.h"

#include "db/Database.h"
#include "db/ResultTable.h"
#include "db/Schema.h"
#include "db/WriteTransaction.h"
#include "sales/fiscal/NetFpClient.h"

namespace {

constexpr const char* kColumns =
    "SELECT family, doc_id, reversal, printer_serial, sequence, unique_sale_number, task_id, amount, state, "
    "receipt_number, receipt_dt, receipt_amount, fm_serial, sent_dt, by_hand FROM fiscal_receipts ";

FiscalReceipt rowOf(const ResultTable& t, int r) {
    FiscalReceipt f;
    f.family = static_cast<SaleFamily>(t.Int(r, 0));
    f.docId = t.Int(r, 1);
    f.reversal = t.Int(r, 2) != 0;
    f.printerSerial = t.Text(r, 3, "");
    f.sequence = t.Int(r, 4);
    f.uniqueSaleNumber = t.Text(r, 5, "");
    f.taskId = t.Text(r, 6, "");
    f.amount = t.Double(r, 7);
    f.state = t.Int(r, 8);
    f.receiptNumber = t.Text(r, 9, "");
    f.receiptDateTime = t.Text(r, 10, "");
    f.receiptAmount = t.Double(r, 11);
    f.fiscalMemoryNumber = t.Text(r, 12, "");
    f.sentAt = t.Text(r, 13, "");
    f.enteredByHand = t.Int(r, 14) != 0;
    return f;
}

} // namespace

bool FiscalReceiptStore::Exists() {
    return m_db.HasTable("fiscal_receipts") && AddLaterColumns();
}

bool FiscalReceiptStore::AddLaterColumns() {
    if (m_columnsChecked)
        return true;
    // An unreadable listing counts as the columns being there: nothing is altered blindly.
    if (!m_db.HasColumn("fiscal_receipts", "sent_dt").value_or(true)) {
        WriteTransaction t(m_db);
        if (!t.Begin() ||
            (!m_db.HasColumn("fiscal_receipts", "sent_dt").value_or(true) &&
             (!t.Exec("ALTER TABLE fiscal_receipts ADD COLUMN sent_dt TEXT NOT NULL DEFAULT '';") ||
              !t.Exec("ALTER TABLE fiscal_receipts ADD COLUMN by_hand INTEGER NOT NULL DEFAULT 0;"))) ||
            !t.Commit())
            return false;
    }
    m_columnsChecked = true;
    return true;
}

bool FiscalReceiptStore::Create() {
    WriteTransaction t(m_db);
    return t.Begin() && t.Exec(t.Dialect().CreateTable(Schema::kFiscalReceipts)) && t.Commit() &&
           AddLaterColumns();
}

std::optional<FiscalReceipt> FiscalReceiptStore::Read(const char* condition, SaleFamily family, int docId) {
    ResultTable table;
    if (!m_db.Query(table, "%s WHERE family = ? AND doc_id = ? AND %s;", QByteArray(kColumns),
                    static_cast<int>(family), docId, QByteArray(condition)) ||
        table.Empty())
        return std::nullopt;
    return rowOf(table, 1);
}

std::optional<FiscalReceipt> FiscalReceiptStore::Find(SaleFamily family, int docId) {
    if (!Exists())
        return std::nullopt;
    return Read("state <> '2'", family, docId);
}

std::map<int, FiscalReceipt> FiscalReceiptStore::OfFamily(SaleFamily family) {
    std::map<int, FiscalReceipt> receipts;
    ResultTable table;
    if (!Exists() || !m_db.Query(table, "%s WHERE family = ? AND state <> '2';", QByteArray(kColumns),
                                 static_cast<int>(family)))
        return receipts;
    for (int r = 1; r <= table.Rows(); ++r) {
        FiscalReceipt f = rowOf(table, r);
        receipts[f.docId] = f;
    }
    return receipts;
}

std::optional<FiscalReceipt> FiscalReceiptStore::Reserve(const FiscalReceipt& draft,
                                                         const QString& operatorCode,
                                                         const QString& originalNumber) {
    WriteTransaction t(m_db);
    if (!t.Begin())
        return std::nullopt;
    std::optional<FiscalReceipt> reserved = ReserveIn(t, draft, operatorCode, originalNumber);
    return reserved && t.Commit() ? reserved : std::nullopt;
}

std::optional<FiscalReceipt> FiscalReceiptStore::ReserveIn(WriteTransaction& t, const FiscalReceipt& draft,
                                                           const QString& operatorCode,
                                                           const QString& originalNumber) {
    if (!t.Exec(t.Dialect().CreateTable(Schema::kFiscalReceipts)) ||
        (m_db.HasTable("fiscal_receipts") && !AddLaterColumns()))
        return std::nullopt;
    if (std::optional<FiscalReceipt> existing = Read("state <> '2'", draft.family, draft.docId))
        return existing;
    FiscalReceipt r = draft;
    r.state = FiscalReceipt::NotPrinted;
    r.taskId = NetFpClient::NewTaskId();
    if (r.reversal) {
        r.sequence = 0;
        r.uniqueSaleNumber = originalNumber;
    } else {
        r.sequence = m_db.QueryInt(0, "SELECT MAX(sequence) FROM fiscal_receipts WHERE printer_serial = ?;",
                                   r.printerSerial) +
                     1;
        r.uniqueSaleNumber =
            QString("%1-%2-%3").arg(r.printerSerial, operatorCode).arg(r.sequence, 7, 10, QChar('0'));
    }
    if (!t.ExecPrintf("INSERT INTO fiscal_receipts (family, doc_id, reversal, printer_serial, sequence, "
                      "unique_sale_number, task_id, amount, state) VALUES (?, ?, ?, ?, ?, ?, "
                      "?, ?, '0');",
                      static_cast<int>(r.family), r.docId, r.reversal ? 1 : 0, r.printerSerial, r.sequence,
                      r.uniqueSaleNumber, r.taskId, SqlDecimal{r.amount, 2}))
        return std::nullopt;
    return r;
}

bool FiscalReceiptStore::RenewTask(FiscalReceipt& receipt) {
    return SetSent(receipt, NetFpClient::NewTaskId(), QString());
}

bool FiscalReceiptStore::MarkSent(FiscalReceipt& receipt, const QString& moment) {
    return SetSent(receipt, receipt.taskId, moment);
}

bool FiscalReceiptStore::SetSent(FiscalReceipt& receipt, const QString& taskId, const QString& moment) {
    WriteTransaction t(m_db);
    if (!t.Begin() ||
        !t.ExecPrintf("UPDATE fiscal_receipts SET task_id = ?, sent_dt = ? WHERE family = ? AND "
                      "doc_id = ? AND state = '0';",
                      taskId, moment, static_cast<int>(receipt.family), receipt.docId) ||
        !t.Commit())
        return false;
    receipt.taskId = taskId;
    receipt.sentAt = moment;
    return true;
}

bool FiscalReceiptStore::MarkPrintedByHand(FiscalReceipt& receipt, const QString& receiptNumber) {
    WriteTransaction t(m_db);
    if (!t.Begin() ||
        !t.ExecPrintf("UPDATE fiscal_receipts SET state = '1', receipt_number = ?, receipt_dt = ?, "
                      "receipt_amount = ?, by_hand = '1' WHERE family = ? AND doc_id = ? AND state "
                      "= '0';",
                      receiptNumber, receipt.sentAt, SqlDecimal{receipt.amount, 2},
                      static_cast<int>(receipt.family), receipt.docId) ||
        !t.Commit())
        return false;
    receipt.state = FiscalReceipt::Printed;
    receipt.receiptNumber = receiptNumber;
    receipt.receiptDateTime = receipt.sentAt;
    receipt.receiptAmount = receipt.amount;
    receipt.enteredByHand = true;
    return true;
}

bool FiscalReceiptStore::MarkPrinted(FiscalReceipt& receipt, const NetFpResult& result) {
    WriteTransaction t(m_db);
    if (!t.Begin() ||
        !t.ExecPrintf("UPDATE fiscal_receipts SET state = '1', receipt_number = ?, receipt_dt = ?, "
                      "receipt_amount = ?, fm_serial = ? WHERE family = ? AND doc_id = ? AND state "
                      "= '0';",
                      result.receiptNumber, result.receiptDateTime, SqlDecimal{result.receiptAmount, 2},
                      result.fiscalMemoryNumber, static_cast<int>(receipt.family), receipt.docId) ||
        !t.Commit())
        return false;
    receipt.state = FiscalReceipt::Printed;
    receipt.receiptNumber = result.receiptNumber;
    receipt.receiptDateTime = result.receiptDateTime;
    receipt.receiptAmount = result.receiptAmount;
    receipt.fiscalMemoryNumber = result.fiscalMemoryNumber;
    return true;
}

bool FiscalReceiptStore::SupersedeFor(Database& db, WriteTransaction& t, SaleFamily family, int docId) {
    if (!db.HasTable("fiscal_receipts"))
        return true;
    return t.ExecPrintf("UPDATE fiscal_receipts SET state = '2' WHERE family = ? AND doc_id = ?;",
                        static_cast<int>(family), docId);
}
