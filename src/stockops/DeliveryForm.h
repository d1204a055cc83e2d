#pragma once

#include "base/FormHost.h"
#include "lists/ListColumn.h"
#include "stockops/Delivery.h"
#include "stockops/DeliveryPrintout.h"
#include "stockops/DeliverySaver.h"

#include <utility>
#include <vector>

class Clock;
class Database;
class DeliveryLineDialog;
class DocumentChooser;
class ItemChooser;
class EntryPreferences;
class PartnerChooser;
class Prompter;

// What the delivery form "TARVO - ДОСТАВКА" does: a new delivery with its
// supplier, lines and totals, saved with its effect on stock and cost; a
// stored delivery loaded, its header written again, and its receipt. The
// widget shows this state and forwards the user's commands.
class DeliveryForm : public DocumentForm {
public:
    DeliveryForm(Database& db, Prompter& prompter, EntryPreferences& settings, const Clock& clock);

    bool IsNew() const { return m_isNew; }
    const Delivery& Document() const { return m_doc; }
    const DeliveryHeader& Header() const { return m_doc.header; }
    const std::vector<DeliveryLine>& Lines() const { return m_doc.lines; }
    const DeliveryTotals& Totals() const { return m_totals; }
    QString NumberText() const;
    bool MarkPaid() const { return m_markPaid; }
    bool HasUnsavedChanges() const override { return m_isNew && !m_doc.lines.empty(); }

    static std::vector<ListColumn> Columns();
    static QStringList Cells(const DeliveryLine& line);
    // "СУМА:", "Т.О.:", "ДДС:" and "ВСИЧКО:" with their figures.
    std::vector<std::pair<QString, QString>> TotalsRows() const;

    // The form opens on a new delivery.
    void Start();
    // "[F7] нова операция"; false when the user kept the current document.
    bool NewDelivery();
    // " [F6] зареждане...": a stored delivery from the document browser.
    bool Load(DocumentChooser& documents);
    // " [F8] избиране на доставчик..."; the supplier's MOL hands the goods over.
    bool ChooseSupplier(PartnerChooser& partners);

    // The number of a new delivery, as typed (ten digits at most).
    void SetNumber(int number);
    void SetDate(const QDate& date);
    void SetPayDate(const QDate& date);
    // "плащане до:" ticked: the payment is recorded as made.
    void SetMarkPaid(bool paid) { m_markPaid = paid; }
    // "ТО (%):" of a new delivery; a negative percent is refused, one over
    // 100 only at the save, as the checks have it.
    bool SetDiscount(double percent);
    void SetInvoiceNo(const QString& text) { m_doc.header.invoiceNo = text; }
    void SetGivenBy(const QString& name) { m_doc.header.givenBy = name; }
    // Remembered for the next delivery at every change.
    void SetReceivedBy(const QString& name);

    bool MayChangeLines() const { return m_isNew; }
    bool AddLine(ItemChooser& items, DeliveryLineDialog& dialog);
    bool ChangeLine(int index, DeliveryLineDialog& dialog);
    bool DeleteLines(const std::vector<int>& indices);
    // The unit price of a total value over a quantity (the line dialog's
    // calculation); a quantity that is not positive is refused.
    std::optional<double> PriceFromTotal(double total, double quantity, bool removeVat);

    // " [F9]  запис и печат": the checks, the save, then the receipt if asked.
    bool Save(DeliveryPrinter& printer);
    // The field a refused save names, where the clerk mends it.
    enum class Field { None, Supplier, Discount, GivenBy, ReceivedBy };
    Field RefusedField() const { return m_refusedField; }
    DeliveryPrintout Printout() const;
    // Another group of statements for every save of a new delivery.
    void AddSaveGroup(DeliverySaveGroup group) { m_extraGroups.push_back(std::move(group)); }

private:
    void Reset();
    void Recompute();
    bool Validate();
    // NumberTaken: the number was taken and the user kept it.
    DeliverySaver::Result SaveNew();
    DeliverySaver::Result SaveStored();
    bool AcceptLine(double quantity, double price);
    bool AskLine(DeliveryLine& line, double price, bool withVat, DeliveryLineDialog& dialog);

    Database& m_db;
    Field m_refusedField = Field::None;
    Prompter& m_prompter;
    EntryPreferences& m_settings;
    const Clock& m_clock;
    Delivery m_doc;
    DeliveryTotals m_totals;
    bool m_isNew = true;
    bool m_markPaid = false;
    int m_counter = 0;
    std::vector<DeliverySaveGroup> m_extraGroups;
};
