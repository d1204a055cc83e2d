#pragma once

#include "masterdata/ItemStore.h"
#include "sales/SaleDocument.h"

#include <QStringList>
#include <optional>

class Database;
class WriteTransaction;

// The statements of the three families of sale documents (`stokovi_`,
// `invoices_`, `proforms_`) and of `soldmat`: numbering, writing a document's
// rows inside the save's change, rewriting a stored document's header, and
// reading a stored document back.
class SaleStore {
public:
    explicit SaleStore(Database& db) : m_db(db) {}

    // See NextDocumentNumber.
    std::optional<int> NextNumber(SaleFamily family);
    // Whether the number is in use; nothing when the read failed (reported).
    std::optional<bool> NumberTaken(SaleFamily family, int number);

    // The amounts of a document's header, signed as stored (a credit note
    // stores them negative).
    struct StoredTotals {
        double allSum = 0;
        double discountSum = 0;
        double base = 0;
        double vat = 0;
        double total = 0;
    };

    // The header of a goods note; invoiceId non-zero when the note is written
    // together with the invoice or note of that number.
    bool InsertGoodsNote(WriteTransaction& t, const SaleDocument& doc, int number, int invoiceId,
                         const StoredTotals& totals);
    bool InsertInvoice(WriteTransaction& t, const SaleDocument& doc, int number, const StoredTotals& totals);
    bool InsertProforma(WriteTransaction& t, const SaleDocument& doc, int number, const StoredTotals& totals);
    bool InsertSnapshots(WriteTransaction& t, SaleFamily family, const SaleDocument& doc, int number);
    // A line with its quantity, price and value signed as stored, its group
    // and the item's cost price at the sale.
    struct StoredLine {
        const SaleLine* line = nullptr;
        double quantity = 0;
        double price = 0;
        double value = 0;
        int group = 0;
        double costPrice = 0;
    };
    bool InsertGoodsNoteLine(WriteTransaction& t, int number, const QDate& date, const StoredLine& line,
                             int invoiceId);
    bool InsertInvoiceLine(WriteTransaction& t, int number, const QDate& date, const StoredLine& line);
    bool InsertProformaLine(WriteTransaction& t, int number, const QDate& date, const StoredLine& line);
    // One component of a sold product or service.
    bool InsertSoldMaterial(WriteTransaction& t, int number, const QDate& date, int customerId, int group,
                            const QString& soldCode, const QString& component, double quantity, double cost,
                            double total);

    // A stored document saved again: its header, snapshots and line dates.
    bool RewriteStored(WriteTransaction& t, SaleFamily family, const SaleDocument& doc);

    // Reads a stored document; invoices and notes with positive amounts.
    // False when it is missing or the read failed. notInvoicedOnly reads
    // only the lines of a goods note that no invoice covers yet.
    bool Load(SaleFamily family, int number, SaleDocument& doc, bool notInvoicedOnly = false);
    // The stored total of a goods note or pro-forma; 0 when unreadable.
    double StoredTotal(SaleFamily family, int number);
    // The invoice a goods note or pro-forma was invoiced with; 0 when none.
    int InvoicedWith(SaleFamily family, int number);

    // Marks a goods note's or pro-forma's header, or a goods note's lines,
    // invoiced by the invoice, if not invoiced yet; the change's ChangedRows()
    // tells how many were still open.
    bool MarkInvoiced(WriteTransaction& t, SaleFamily family, int source, int invoice);
    bool MarkLinesInvoiced(WriteTransaction& t, int goodsNote, int invoice);

    // What deleting a goods note brings back to stock: the goods sold, and
    // the components of the products and services sold from their recipes
    // (which never lowered their own stock).
    std::optional<StockMoves> ReturnedQuantities(int goodsNote);
    // A goods note with its copies, lines and sold components.
    bool DeleteGoodsNote(WriteTransaction& t, int number);
    // An invoice or note of that number; the goods notes it covered stay,
    // uninvoiced again.
    bool DeleteInvoice(WriteTransaction& t, int number);

    // Whether a goods note, invoice or pro-forma is dated on or after the day.
    bool IssuedSince(const QDate& day);

    // The stored values the details dialog offers in its combo boxes.
    QStringList GivenByChoices();
    QStringList TransportedByChoices();
    QStringList CompiledByChoices();
    QStringList VatGroundChoices();

private:
    QStringList Choices(const char* sql);

    Database& m_db;
};
