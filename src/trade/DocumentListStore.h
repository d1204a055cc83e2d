#pragma once

#include "db/SqlStatement.h"
#include "trade/DocumentKind.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class Database;

// What the document browser asks for: one kind, of
// one partner or all (0), found by a typed text, optionally in a period.
struct DocumentListFilter {
    DocumentKind kind = DocumentKind::Deliveries;
    int partnerId = 0;
    QString search;
    bool bySerial = false; // warranty cards by a serial number of their lines
    bool period = false;
    QDate from;
    QDate to;
};

// The statements of the document browser, one per kind of stored document,
// with the filters bound, never written into the text.
class DocumentListStore {
public:
    explicit DocumentListStore(Database& db) : m_db(db) {}

    // Empty for a kind the browser does not list.
    SqlStatement Statement(const DocumentListFilter& filter) const;

    // A listed document in the query's order: its number and stored date,
    // the partner (or note) and, for the kinds that show them, the amount
    // and a further text (a delivery's invoice number).
    struct Row {
        int number = 0;
        QString date;
        QString text;
        std::optional<double> amount;
        QString extra;
    };
    bool Load(const DocumentListFilter& filter, std::vector<Row>& rows);

    // The items of a listed goods note or invoice in their order, each
    // quantity rounded to whole pieces (as a warranty card counts them).
    struct PieceLine {
        QString code;
        QString name;
        QString units;
        double pieces = 0;
    };
    std::optional<std::vector<PieceLine>> PieceLines(DocumentKind kind, int number);

private:
    Database& m_db;
};
