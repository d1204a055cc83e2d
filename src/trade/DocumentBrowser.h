#pragma once

#include "db/SqlStatement.h"
#include "lists/ListColumn.h"
#include "lists/SearchText.h"
#include "trade/DocumentChooser.h"
#include "trade/DocumentKind.h"
#include "trade/DocumentListStore.h"

#include <QDate>
#include <vector>

class Database;
class DocumentMarks;
class Prompter;

// What "избор на документ" lists for one kind of stored document, with the
// partner, search and period filters, in the order the dialog shows it.
class DocumentBrowser {
public:
    // partnerId 0: every partner; marks, when given, add their column.
    DocumentBrowser(Database& db, DocumentKind kind, int partnerId, DocumentMarks* marks = nullptr);

    static std::vector<ListColumn> Columns(DocumentKind kind);
    // The columns shown: with the marks' column where the kind has one.
    std::vector<ListColumn> ShownColumns() const;
    // The marks shown, or null.
    DocumentMarks* Marks() const { return m_marksTitle.isEmpty() ? nullptr : m_marks; }
    DocumentKind Kind() const { return m_kind; }
    // Several rows may be chosen (the goods notes of a collective invoice).
    bool MultipleSelection() const { return m_kind == DocumentKind::CustomerLinesNotInvoiced; }

    SearchText& Search() { return m_search; }
    // Warranty cards are also found by a serial number of their lines.
    void SearchSerial(bool bySerial) { m_bySerial = bySerial; }
    void SetPeriod(bool on, const QDate& from, const QDate& to);

    SqlStatement Statement() const;
    bool Reload();

    struct Row {
        int number = 0;
        QDate date;
        QString note; // a stocktaking's note
        QStringList cells;
        bool negative = false; // drawn in red
    };
    // The rows in the order shown: the query's order reversed.
    const std::vector<Row>& Rows() const { return m_rows; }
    // The choice of the rows (indices into Rows()); without a row the user
    // is told to pick one, and nothing is chosen.
    std::optional<DocumentChoice> Choose(const std::vector<int>& rows, Prompter& prompter) const;

private:
    DocumentListFilter Filter() const;

    Database& m_db;
    DocumentKind m_kind;
    int m_partnerId;
    SearchText m_search;
    bool m_bySerial = false;
    DocumentMarks* m_marks;
    QString m_marksTitle;
    bool m_period = false;
    QDate m_from;
    QDate m_to;
    std::vector<Row> m_rows;
};
