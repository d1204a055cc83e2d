#pragma once

#include "masterdata/PartnerList.h"
#include "trade/CashFilter.h"
#include "trade/CashOperation.h"

#include <optional>
#include <utility>
#include <vector>

class Database;
class WriteTransaction;

// The operations of the cash register in `cash_register` and their
// payments in `cash_register_cmp`.
namespace CashRegisterStore {

// The operations the filter lets through, in number order, each with the
// sum and count of its payments, in one statement. False when the read
// failed (reported); the rows are then left as they were.
bool LoadRows(Database& db, const CashFilter& filter, std::vector<CashRow>& rows);
// One operation as a list row.
std::optional<CashRow> LoadRow(Database& db, int recId);
// One operation with its payments, numbered 1, 2, 3 … in the order stored.
std::optional<CashOperation> LoadOperation(Database& db, int recId);

// Inside the caller's change: a new operation with its payments (its
// number, or nothing when a statement failed), an operation written again
// with its payments replaced, an operation deleted with its payments.
std::optional<int> Insert(WriteTransaction& t, const CashOperation& op);
bool Rewrite(WriteTransaction& t, const CashOperation& op);
bool Delete(WriteTransaction& t, int recId);

// The partners of the filter's check list: id and name, by name, of a tab,
// whose name contains the search text.
bool LoadFilterPartners(Database& db, PartnerTab tab, const QString& search,
                        std::vector<std::pair<int, QString>>& out);

// The operation a document writes for itself (see SaleCashSteps and
// DeliveryCashStep), found by its document's number and the operation's
// kind (0 income, 1 expense).
struct DocumentOperation {
    int opType = 0;
    int docId = 0;
    QDate date;
    QDate payTo;
    int partnerId = 0;
    double amount = 0;
    bool bank = false;
    QString basis;
    QString description;
};
// Writes the operation, or brings the one already linked to that number and
// kind up to date: never two for one document.
bool WriteDocumentOperation(WriteTransaction& t, const DocumentOperation& op);
// The linked operation follows its document's date, due date and partner.
bool FollowDocument(WriteTransaction& t, int opType, int docId, const QDate& date, const QDate& payTo,
                    int partnerId);
// The linked operation is paid at once: one payment of the amount.
bool PayDocumentOperation(WriteTransaction& t, int opType, int docId, const QDate& date, double amount);
// The linked operations of a document go with it, payments and all.
bool DeleteDocumentOperations(WriteTransaction& t, int opType, int docId);
// A credit note's cash refund, linked in `credit_note_cash` (created when
// first needed) since `based_on_doc_id` of an expense names a delivery; it
// replaces the credit note's earlier one.
bool InsertCreditNoteOperation(WriteTransaction& t, int creditNote, const DocumentOperation& op);
// Removes a credit note's refund with its payments; nothing to do when no
// link was ever made.
bool DeleteCreditNoteOperation(WriteTransaction& t, bool linksExist, int creditNote);

} // namespace CashRegisterStore
