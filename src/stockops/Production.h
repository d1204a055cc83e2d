#pragma once

#include <QDate>
#include <QString>
#include <vector>

// One component consumed for a product line.
struct ProductionEntry {
    QString code;
    QString name;
    int group = 0;
    QString units;
    double quantity = 0; // consumed, 3 decimals
    double cost = 0;     // unit cost, 2 decimals
};

// One product made, with the components its recipe consumes.
struct ProductionLine {
    int seq = 0;
    QString code;
    QString name;
    int group = 0;
    QString units;
    double quantity = 0;
    double cost = 0;
    std::vector<ProductionEntry> entries;
};

// A material over all product lines: its total need and the stock it has.
struct MaterialNeed {
    QString code;
    QString name;
    QString units;
    double stock = 0;
    double need = 0;
    double cost = 0;
};

struct ProductionDocument {
    int docId = 0;
    QDate date;
    QString producedBy;
    std::vector<ProductionLine> lines;
    std::vector<MaterialNeed> materials;
};

namespace Productions {

inline constexpr const char* kShortage = "Не разполагате с достатъчна наличност от някои материали!";

// Consumption of a component: produced x component quantity x (1 + waste
// percent / 100), rounded to 3 as each entry is stored.
double Consumption(double produced, double componentQuantity, double randeman);
// The materials of the lines in the order they first occur, each need the
// sum of the stored entries, so the stock goes down by what the document
// keeps (and a deletion gives back).
std::vector<MaterialNeed> Materials(const std::vector<ProductionLine>& lines);

} // namespace Productions
