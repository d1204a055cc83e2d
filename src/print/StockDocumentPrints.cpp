#include "print/StockDocumentPrints.h"

#include "format/DocNumber.h"
#include "format/FormatNumber.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"

#include <Qt>

std::unique_ptr<ListPrintJob> ProductionPrint(const ProductionDocument& doc,
                                              std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{{"код", 250, left},   {"наименование", 0, left}, {"мярка", 120, centre},
                                     {"к-во", 200, right}, {"ед. цена", 200, right},  {"общо", 220, right}};
    std::vector<QStringList> rows;
    double products = 0;
    for (const ProductionLine& line : doc.lines) {
        const double total = RoundHalfUp(line.quantity * line.cost, 2);
        products += total;
        rows.push_back({line.code, line.name, line.units, QString::asprintf("%.3f", line.quantity),
                        FormatNumber(line.cost, 2), FormatNumber(total, 2)});
    }
    rows.push_back({QString(), "ВЛОЖЕНИ МАТЕРИАЛИ:", QString(), QString(), QString(), QString()});
    double materials = 0;
    for (const MaterialNeed& m : doc.materials) {
        const double total = RoundHalfUp(RoundHalfUp(m.cost, 2) * m.need, 2);
        materials += total;
        rows.push_back({m.code, m.name, m.units, QString::asprintf("%.3f", m.need), FormatNumber(m.cost, 2),
                        FormatNumber(total, 2)});
    }
    auto job = std::make_unique<ListPrintJob>(
        "ПРОИЗВОДСТВО НА ИЗДЕЛИЯ № " + FormatDocNumber(doc.docId),
        QString::asprintf("от дата %s, изработил: %s", qUtf8Printable(DisplayDate(doc.date)),
                          qUtf8Printable(doc.producedBy)),
        std::move(columns), std::move(rows), PrinterSettings::Orientation::Portrait, std::move(economyMode));
    job->SetLaterPageName("ПРОИЗВОДСТВО НА ИЗДЕЛИЯ № " + FormatDocNumber(doc.docId));
    job->SetTotals({QString(), "изделия / материали", QString(), QString(), FormatNumber(products, 2),
                    FormatNumber(materials, 2)});
    job->SetClosing(QString::asprintf("ИЗРАБОТИЛ: %s\n\n....................................................",
                                      qUtf8Printable(doc.producedBy)),
                    "ПРИЕЛ В СКЛАДА:\n\n....................................................");
    return job;
}

std::unique_ptr<ListPrintJob> StocktakingProtocol(const StocktakingDocument& doc, const std::vector<int>& lines,
                                               std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{
        {"код", 250, left},         {"наименование", 0, left},     {"мярка", 120, centre},
        {"количество", 220, right}, {"намерено к-во", 240, right}, {"разлика к-во", 240, right}};
    std::vector<QStringList> rows;
    for (int k : lines) {
        const StocktakingLine& l = doc.lines[static_cast<size_t>(k)];
        rows.push_back({l.code, l.name, l.units, QString::asprintf("%.3f", l.projected),
                        QString::asprintf("%.3f", l.counted),
                        QString::asprintf("%.3f", l.counted - l.projected)});
    }
    auto job = std::make_unique<ListPrintJob>(
        QString("ПРОТОКОЛ ЗА ИЗВЪРШЕНА ИНВЕНТАРИЗАЦИЯ №") + " " + FormatDocNumber(doc.docId),
        QString::asprintf("от дата %s", qUtf8Printable(DisplayDate(doc.date))), std::move(columns),
        std::move(rows), PrinterSettings::Orientation::Portrait, std::move(economyMode));
    job->SetLaterPageName("ПРОТОКОЛ № " + FormatDocNumber(doc.docId));
    job->SetClosing(
        "ОТГОВОРНО ЛИЦЕ:\n\n....................................................................",
        "КОМИСИЯ В СЪСТАВ:\n\n1. ....................................................................\n\n2. "
        "....................................................................\n\n3. "
        "....................................................................");
    return job;
}
