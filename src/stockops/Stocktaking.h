#pragma once

#include <QDate>
#include <QString>
#include <vector>

// One counted item of a stocktaking.
struct StocktakingLine {
    QString code;
    QString name;
    int groupId = 0;
    QString groupName;
    QString units;
    double projected = 0;     // in stock when the count began, 3 decimals
    double counted = 0;       // found in the warehouse, 3 decimals
    double loadedCounted = 0; // the count a loaded document was read with
    double cost = 0;          // unit cost, 2 decimals
    double price1 = 0;
    double price2 = 0;
};

struct StocktakingDocument {
    int docId = 0;
    QDate date;
    QString notes;
    std::vector<StocktakingLine> lines;
};
