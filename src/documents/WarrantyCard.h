#pragma once

#include <QDate>
#include <QString>
#include <vector>

// One line of a warranty card: an item or one piece of it with its serial
// number, and its own term in months.
struct WarrantyLine {
    QString code;
    QString name;
    QString units;
    int quantity = 1;
    QString serial;
    int months = 12;
    QString notes;
};

// A warranty card: the customer, who received the goods, the card's term,
// the document it is based on and the conditions printed with it.
struct WarrantyCard {
    enum BaseKind { NoBase = 0, GoodsNote = 1, Invoice = 2 };
    enum Placement { AboveTable = 0, BelowTable = 1 };

    // A new card shows the number it is expected to get; it is taken again
    // under the lock when the card is first stored.
    int number = 0;
    bool stored = false;
    QDate date;
    int customerId = 0;
    QString customerName;
    QString receivedBy;
    int term = 12;
    int baseKind = NoBase;
    int baseNumber = 0;
    int placement = AboveTable;
    QString conditions;
    std::vector<WarrantyLine> lines;
};

// The text of the base-document field.
QString BaseDocumentText(const WarrantyCard& card);
