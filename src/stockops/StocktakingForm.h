#pragma once

#include "base/FormHost.h"
#include "lists/ListColumn.h"
#include "lists/SearchText.h"
#include "masterdata/GroupTree.h"
#include "stockops/Stocktaking.h"

#include <functional>
#include <optional>
#include <vector>

class Clock;
class Database;
class DocumentChooser;
class NumberInput;
class Prompter;
class WriteTransaction;

// What the stocktaking form "TARVO - РЕВИЗИЯ" does: a count of every stocked
// item, the counted quantities entered, the document saved with or without
// making the counts the new stock, and a stored count loaded and corrected.
class StocktakingForm : public DocumentForm {
public:
    enum class State { New, Saved, Loaded };

    StocktakingForm(Database& db, Prompter& prompter, const Clock& clock);

    State CurrentState() const { return m_state; }
    const StocktakingDocument& Document() const { return m_doc; }
    QString NumberText() const;
    bool HasUnsavedChanges() const override { return m_state == State::New && m_changed; }

    static std::vector<ListColumn> Columns();
    static QStringList Cells(const StocktakingLine& line);
    // The lines the group filter and the search text let through; the
    // document keeps all of them.
    std::vector<int> ShownLines() const;
    GroupFilter& Filter() { return m_filter; }
    SearchText& Search() { return m_search; }

    // A new count from the catalogue; `progress` hears (done, total).
    bool NewDocument(const std::function<void(int, int)>& progress);
    bool Load(DocumentChooser& documents);
    // The same without the question, for a document loaded only to print it.
    bool LoadChosen(DocumentChooser& documents);
    void SetDate(const QDate& date) { m_doc.date = date; }

    // "промяна на документи е разрешена", offered only on a loaded count.
    bool MayAllowEditing() const { return m_state == State::Loaded; }
    void SetEditingAllowed(bool allowed) { m_editingAllowed = allowed && MayAllowEditing(); }
    bool EditingAllowed() const { return m_editingAllowed; }

    // The counted quantity of a line, under the permission rule.
    bool EditCount(int index, NumberInput& input);
    // A line activated in a column: the sum of columns 8 to 11, the count
    // entry elsewhere.
    bool Activate(int index, int column, NumberInput& input);
    // The total of a money column (8 to 11) over all lines.
    double ColumnSum(int column) const;

    bool Save();

private:
    bool SaveNew();
    bool SaveLoaded();
    // Counted items whose stock moved since the count began, read under the lock.
    std::optional<int> MovedSinceStart();
    bool WriteNew(WriteTransaction& t, bool replaceStock, QStringList& missing);
    bool WriteLoaded(WriteTransaction& t, bool correctStock, QStringList& missing);
    void Done(const QStringList& missing);

    Database& m_db;
    Prompter& m_prompter;
    const Clock& m_clock;
    StocktakingDocument m_doc;
    State m_state = State::New;
    bool m_editingAllowed = false;
    bool m_changed = false;
    GroupFilter m_filter;
    SearchText m_search;
};
