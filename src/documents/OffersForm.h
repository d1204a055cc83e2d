#pragma once

#include "base/FormHost.h"
#include "documents/Offer.h"
#include "lists/ListColumn.h"

#include <QStringList>
#include <vector>

class Clock;
class Database;
class DocumentChooser;
class ItemChooser;
class Prompter;
class SaleLineDialog;

// The texts of "оферти - допълнителни данни".
struct OfferDetails {
    QString toPerson;
    QString subtitle;
    QString note;
    QString validity;
    QString signedBy;
};
class OfferDetailsEditor {
public:
    virtual ~OfferDetailsEditor() = default;
    // False when cancelled.
    virtual bool EditDetails(OfferDetails& details) = 0;
};

// What "TARVO - ОФЕРТИ" does: an offer's lines with discount and VAT, its
// additional data, saved and loaded, and printed once saved. Every change of
// the offer, its header included, marks it modified.
class OffersForm : public DocumentForm {
public:
    OffersForm(Database& db, Prompter& prompter, const Clock& clock);

    const Offer& Current() const { return m_offer; }
    bool IsNew() const { return m_isNew; }
    bool IsModified() const { return m_modified; }
    bool HasUnsavedChanges() const override { return m_modified; }
    // "начисли ддс" may be ticked: a VAT-registered firm with a rate above 0.
    bool VatAllowed() const { return m_vatAllowed; }
    double VatRate() const { return m_vatRate; }

    static std::vector<ListColumn> Columns();
    static QStringList Cells(const OfferLine& line);
    OfferTotals Totals() const;
    // "СТОЙНОСТ:", the discount, "ДДС:" and "ВСИЧКО:" as the fields show them.
    QStringList TotalTexts() const;

    // The form opens on a new offer.
    void Start();
    // " F7  нова оферта" and " F6  зареждане ..."; false when the user kept
    // the unsaved offer or chose nothing.
    bool New();
    bool Load(DocumentChooser& documents);

    bool AddLine(ItemChooser& items, SaleLineDialog& dialog);
    bool EditLine(int index, SaleLineDialog& dialog);
    bool DeleteLine(int index);
    bool DeleteAll();

    void SetDate(const QDate& date);
    // "ТО %": 0 to 100, with up to 2 decimals; false when refused.
    bool SetDiscount(double percent);
    void SetVatUsed(bool used);
    bool EditDetails(OfferDetailsEditor& editor);

    // " F9  запис": only a modified offer is written; true when it was.
    bool Save(OfferDetailsEditor& editor);
    // " F8  печат ...": false (with the message) while changes are unsaved.
    bool MayPrint();

private:
    void Fresh();
    void ReadFirm();

    Database& m_db;
    Prompter& m_prompter;
    const Clock& m_clock;
    Offer m_offer;
    bool m_isNew = true;
    bool m_modified = false;
    int m_counter = 0;
    bool m_vatAllowed = false;
    double m_vatRate = 0;
};
