#pragma once

#include "base/FormHost.h"
#include "documents/WarrantyCard.h"
#include "lists/ListColumn.h"

#include <QStringList>
#include <vector>

class Clock;
class Database;
class DocumentChooser;
class ItemChooser;
class LocalSettings;
class PartnerChooser;
class Prompter;

// The line dialog "CWarrantyCardLineDlg"; false when cancelled.
class WarrantyLineEditor {
public:
    virtual ~WarrantyLineEditor() = default;
    virtual bool EditLine(WarrantyLine& line, const QStringList& units) = 0;
};

// What the settings dialog edits: the conditions, their place, and the
// folder of "head.bmp".
struct WarrantyDetails {
    QString conditions;
    int placement = WarrantyCard::AboveTable;
    QString headFolder;
};
class WarrantyDetailsEditor {
public:
    virtual ~WarrantyDetailsEditor() = default;
    virtual bool EditDetails(WarrantyDetails& details) = 0;
};

// What "TARVO - ГАРАНЦИОННИ КАРТИ" does: a card for the goods of a goods
// note or an invoice, or for items chosen freely; lines split into single
// pieces for their serial numbers and merged again; the card saved, loaded
// and printed with its conditions and the firm's head block.
class WarrantyCardForm : public DocumentForm {
public:
    WarrantyCardForm(Database& db, Prompter& prompter, LocalSettings& settings, const Clock& clock);

    const WarrantyCard& Card() const { return m_card; }
    bool HasUnsavedChanges() const override { return m_modified; }

    static std::vector<ListColumn> Columns();
    static QStringList Cells(const WarrantyLine& line);
    // Why a line may not be stored as it stands; empty when it may.
    static QString LineProblem(const WarrantyLine& line);
    // The message when a folder holds no "head.bmp"; empty when it does.
    static QString HeadFolderProblem(const QString& folder);

    // A free card to begin with, as the form opens.
    void Start();
    // " F7  нов документ...": a card for a stored goods note or invoice.
    bool NewFromDocument(int baseKind, DocumentChooser& documents);
    // "Гаранционна карта с произволни артикули".
    bool NewFree();
    bool ChooseCustomer(PartnerChooser& partners);
    bool AddLine(ItemChooser& items, WarrantyLineEditor& editor);
    bool EditLine(int index, WarrantyLineEditor& editor);

    static bool MaySplit(const WarrantyCard& card, const std::vector<int>& selected);
    static bool MayMerge(const WarrantyCard& card, const std::vector<int>& selected);
    bool Split(const std::vector<int>& selected);
    bool Merge(const std::vector<int>& selected);
    bool DeleteLines(const std::vector<int>& selected);

    bool EditDetails(WarrantyDetailsEditor& editor);
    void SetDate(const QDate& date);
    void SetReceivedBy(const QString& name);
    void SetTerm(int months);

    bool Load(DocumentChooser& documents);
    // Stores the card in one change; true when it was stored (then printed).
    bool Save();

    // The image printed at the head of the card: the stored location, a
    // folder or the file itself, relative paths from the database's
    // directory; empty when there is no such file.
    QString HeadImagePath(const QString& databaseDirectory) const;

private:
    void Fresh(int baseKind, int baseNumber);
    QStringList Units();

    Database& m_db;
    Prompter& m_prompter;
    LocalSettings& m_settings;
    const Clock& m_clock;
    WarrantyCard m_card;
    bool m_modified = false;
};
