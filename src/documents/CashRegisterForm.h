#pragma once

#include "lists/ListColumn.h"
#include "lists/SearchText.h"
#include "trade/CashFilter.h"
#include "trade/CashOperation.h"

#include <QStringList>
#include <vector>

class Clock;
class Database;
class PrintPreferences;
class Prompter;
class TextInput;

// The operation dialog as the form uses it: edits the operation (the
// payments included) and answers true on "запиши", false on "откажи".
class CashOperationEditor {
public:
    virtual ~CashOperationEditor() = default;
    virtual bool EditOperation(CashOperation& op) = 0;
};

// What "TARVO - ПРИХОДИ И РАЗХОДИ" does: the operations the filter and the
// search let through with what is paid and what remains, the three-row
// summary, and new, changed and deleted operations, each written in one change.
class CashRegisterForm {
public:
    CashRegisterForm(Database& db, Prompter& prompter, PrintPreferences& settings, const Clock& clock);

    static std::vector<ListColumn> Columns();
    static QStringList Cells(const CashRow& row);
    static RowTone ToneOf(const CashRow& row);
    static std::vector<ListColumn> SummaryColumns();
    // "Приходи", "Разходи" and "Остатък" over the rows shown.
    std::vector<QStringList> SummaryRows() const;

    const std::vector<CashRow>& Rows() const { return m_rows; }
    const CashFilter& Filter() const { return m_filter; }
    const QString& Search() const { return m_search.Text(); }

    // "приложи филтъра": the filter taken and the list read again.
    bool ApplyFilter(const CashFilter& filter);
    bool Reload();
    // " F3  търсене ...": true when a text was confirmed (the list is narrowed).
    bool AskSearch(TextInput& input);
    // " F4  опресни": the search cleared and the list read again.
    bool Refresh();

    // " F5  нова операция": the index of the new row, or -1.
    int New(CashOperationEditor& editor);
    // " F6  промяна ...": the row rewritten in place.
    bool Edit(int index, CashOperationEditor& editor);
    // " F7  изтрий"
    bool Delete(int index);

    // The columns the print-field flags let onto paper (the payment count never).
    std::vector<int> PrintedColumns() const;
    void SetPrintField(int field, bool printed);
    bool PrintField(int field) const;

private:
    void Narrow(std::vector<CashRow>& rows) const;

    Database& m_db;
    Prompter& m_prompter;
    PrintPreferences& m_settings;
    const Clock& m_clock;
    CashFilter m_filter;
    SearchText m_search;
    std::vector<CashRow> m_rows;
};
