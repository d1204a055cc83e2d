#pragma once

#include "base/FormHost.h"
#include "lists/ListColumn.h"
#include "masterdata/Bank.h"
#include "masterdata/FirmCurrency.h"
#include "masterdata/Partner.h"
#include "sales/SaleDetails.h"
#include "sales/SaleDocument.h"
#include "sales/SalePrintout.h"
#include "sales/SaleSaver.h"
#include "trade/DocumentKind.h"

#include <optional>
#include <vector>

class Clock;
class Database;
class DocumentChooser;
class FiscalRegister;
struct DocumentChoice;
class FreeTextLineDialog;
class ItemChooser;
class EntryPreferences;
class PartnerChooser;
class Prompter;
class SaleLineDialog;

// What the sale form "Продажби и фактуриране" does: the operation and its
// document, the customer, the lines, the details, the totals, saving and
// loading. The widget shows this state and forwards the user's commands.
class SellForm : public DocumentForm {
public:
    SellForm(Database& db, Prompter& prompter, EntryPreferences& settings, const Clock& clock);

    SaleOp Op() const { return m_doc.op; }
    bool IsNew() const { return m_isNew; }
    const SaleHeader& Header() const { return m_doc.header; }
    QString NumberText() const { return m_numberText; }
    QString Caption() const;
    const std::vector<SaleLine>& Lines() const { return m_doc.lines; }
    const SaleTotals& Totals() const { return m_totals; }
    // The currency of the document by its date, and the mark its total
    // carries once the firm has gone over to euro (see FirmCurrency::MarkFor).
    Currency DocumentCurrency() const { return m_currency.On(m_doc.header.docDate); }
    QString CurrencyMark() const { return m_currency.MarkFor(DocumentCurrency()); }
    const Partner& Customer() const { return m_customer; }
    bool HasCustomer() const { return m_customer.id != 0 || !m_customer.name.isEmpty(); }
    const FirmSnapshot& Firm() const { return m_doc.firm; }
    bool HasUnsavedChanges() const override { return m_isNew && !m_doc.lines.empty(); }
    // The operation the new-operation menu offers first.
    SaleOp DefaultOp() const;

    // The line list: its columns (the first two hidden), with the goods note
    // of the line and that note's total (hidden but on a collective
    // invoice) before the customer's code; and the cells of a line.
    static std::vector<ListColumn> Columns(SaleOp op = SaleOp::GoodsNote);
    static QStringList Cells(const SaleLine& line);
    // The rows of the totals list: title and figure.
    std::vector<std::pair<QString, QString>> TotalsRows() const;

    // The form's first operation, from DefaultSellOp.
    void Start();
    // A new operation of the code; for a note, the invoice it refers to is
    // chosen first. False when the user kept the current document.
    bool NewOperation(SaleOp op, DocumentChooser& documents);
    // An invoice for documents issued earlier: code 7 for a goods note, 8
    // for a pro-forma, 9 for several goods notes of one customer (chosen
    // first when the form has none). Takes over the document's header, parties
    // and open lines. False when the user kept the current document.
    bool InvoiceEarlier(SaleOp op, DocumentChooser& documents, PartnerChooser& partners);
    // Loads a stored document of the browser kind (1 goods note, 3 invoice,
    // 4 pro-forma, 12 debit note, 13 credit note).
    bool Load(DocumentKind kind, DocumentChooser& documents);
    // The number field of a new document changed: the text it keeps.
    QString SetNumberText(const QString& typed);
    void SetDate(const QDate& date);
    bool ChooseCustomer(PartnerChooser& partners);
    // An invoice for earlier documents keeps their customer and discount.
    bool MayChangeCustomer() const { return !SaleOps::InvoicesEarlier(m_doc.op); }
    bool MayChangeDiscount() const { return m_isNew && !SaleOps::InvoicesEarlier(m_doc.op); }

    bool AddLine(ItemChooser& items, SaleLineDialog& dialog);
    bool AddFreeTextLine(FreeTextLineDialog& dialog);
    bool ChangeLine(int index, SaleLineDialog& dialog, FreeTextLineDialog& freeText);
    bool DeleteLines(const std::vector<int>& indices);
    bool MayAddLines() const;
    bool MayChangeLines() const;

    // The trade discount in percent, from 0 to 100.
    bool SetDiscount(double percent);
    // The details dialog opens with the focus in the field a refused save
    // named, else in its first field.
    bool EditDetails(SaleDetailsDialog& dialog);
    SaleDetails Details() const;
    // Where the last refused save wants the fix: in the details (the next
    // details dialog opens in the field), the customer, the lines or the date.
    enum class Fix { None, Details, Customer, Lines, Date };
    Fix RefusedAt() const { return m_refusedAt; }

    // Checks the document and saves it; a question about a missing detail
    // opens the details dialog. Once saved, the user may print it at once.
    bool Save(SaleDetailsDialog& details, SalePrinter& printer);

    // Whether the next print is the original; the form starts with it.
    bool Original() const { return m_original; }
    void SetOriginal(bool original) { m_original = original; }
    // The document as it goes on paper.
    SalePrintout Printout() const;
    // Prints the original or a copy through the preview, after the checks
    // of the save. The original of a document not yet saved is refused: its
    // number is only proposed until the save.
    bool Print(bool original, SaleDetailsDialog& details, SalePrinter& printer);
    // The fiscal device that registers the cash sales saved here; none
    // while the firm works without one.
    void SetFiscalRegister(FiscalRegister* fiscal) { m_fiscal = fiscal; }
    // The saved document's fiscal receipt as the form shows it: its number,
    // "без фискален бон", or empty when it needs none.
    QString FiscalMark() const;
    // "Издаване на фискален бон ...": the receipt of the saved document, or
    // its retry. True when it is printed.
    bool IssueFiscalReceipt();
    // Another group of statements for every save of a new document.
    void AddSaveGroup(SaleSaveGroup group) { m_extraGroups.push_back(std::move(group)); }

private:
    void Reset(SaleOp op);
    void AdoptCustomer(const SaleDocument& doc);
    CustomerSnapshot CustomerAsStored() const;
    std::optional<std::vector<SaleDocument>> ReadEarlier(SaleOp op, const DocumentChoice& chosen);
    void TakeOver(const SaleDocument& source);
    void Recompute();
    void ApplyDetails(const SaleDetails& details);
    bool Validate(SaleDetailsDialog& details);
    bool EditDetails(SaleDetailsDialog& dialog, SaleDetails::Field focus);
    QString VisCodeOf(const QString& code);
    bool RewritesWhenStored() const;

    Database& m_db;
    Prompter& m_prompter;
    EntryPreferences& m_settings;
    const Clock& m_clock;
    SaleDocument m_doc;
    Fix m_refusedAt = Fix::None;
    SaleDetails::Field m_detailsFocus = SaleDetails::Field::None;
    bool m_isNew = true;
    QString m_numberText;
    Partner m_customer;
    SaleTotals m_totals;
    FirmCurrency m_currency;
    int m_counter = 0;
    bool m_original = true;
    std::vector<SaleSaveGroup> m_extraGroups;
    FiscalRegister* m_fiscal = nullptr;
};
