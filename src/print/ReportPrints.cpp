#include "print/ReportPrints.h"

#include "format/SqlDates.h"

#include <Qt>

namespace {
// The cells of the given columns of every row.
std::vector<QStringList> cellsOf(const std::vector<QStringList>& rows, std::initializer_list<int> columns) {
    std::vector<QStringList> printed;
    printed.reserve(rows.size());
    for (const QStringList& row : rows) {
        QStringList cells;
        for (int k : columns)
            cells << row.value(k);
        printed.push_back(cells);
    }
    return printed;
}

QString periodLine(const char* format, const QDate& from, const QDate& to) {
    return QString::asprintf(format, qUtf8Printable(DisplayDate(from)), qUtf8Printable(DisplayDate(to)));
}
} // namespace

std::unique_ptr<ListPrintJob> StockReportPrint(const std::vector<QStringList>& rows, double costValue,
                                               double value1, double value2, const QDate& today,
                                               PrinterSettings::Orientation orientation,
                                               std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{{"#", 80, right},
                                     {"код", 200, left},
                                     {"наименование", 0, left},
                                     {"група", 260, left},
                                     {"мярка", 100, centre},
                                     {"к-во", 170, right},
                                     {"ед. себест.", 170, right},
                                     {"обща себест.", 200, right},
                                     {"об.прод.ст-ст #1", 210, right},
                                     {"об.прод.ст-ст #2", 210, right}};
    std::vector<QStringList> printed;
    printed.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k)
        printed.push_back(QStringList{QString::number(k + 1)} + rows[k]);
    auto job = std::make_unique<ListPrintJob>(
        "СПРАВКА ЗА НАЛИЧНИТЕ СТОКИ, МАТЕРИАЛИ И ИЗДЕЛИЯ",
        QString::asprintf("към дата: %s", qUtf8Printable(DisplayDate(today))), std::move(columns),
        std::move(printed), orientation, std::move(economyMode));
    job->SetTotals({QString(), "ВСИЧКО:", QString(), QString(), QString(), QString(), QString(),
                    QString::asprintf("%.2f", costValue), QString::asprintf("%.2f", value1),
                    QString::asprintf("%.2f", value2)});
    return job;
}

std::unique_ptr<ListPrintJob> MonthGridPrint(const QString& title, const QString& firstColumn, int year,
                                             const std::vector<QStringList>& rows, const QStringList& bottom,
                                             PrinterSettings::Orientation orientation,
                                             std::function<bool()> economyMode) {
    std::vector<PrintColumn> columns{{firstColumn, 0, Qt::AlignLeft}};
    for (const char* month : {"мес. 01", "мес. 02", "мес. 03", "мес. 04", "мес. 05", "мес. 06", "мес. 07",
                              "мес. 08", "мес. 09", "мес. 10", "мес. 11", "мес. 12"})
        columns.push_back({month, 150, Qt::AlignRight});
    columns.push_back({"всичко", 170, Qt::AlignRight});
    auto job = std::make_unique<ListPrintJob>(title, QString::asprintf("за %d година", year),
                                              std::move(columns), rows, orientation, std::move(economyMode));
    job->SetRowsPerPage(55, 54);
    job->SetTotals(QStringList{"ВСИЧКО:  "} + bottom);
    return job;
}

std::unique_ptr<ListPrintJob> TurnoverByCustomerPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                      const QDate& to, const QString& net,
                                                      const QString& gross, Currency currency,
                                                      PrinterSettings::Orientation orientation,
                                                      std::function<bool()> economyMode) {
    std::vector<PrintColumn> columns{{"наименование на контрагента", 0, Qt::AlignLeft},
                                     {"нето сума", 300, Qt::AlignRight},
                                     {"сума с ДДС", 300, Qt::AlignRight}};
    auto job = std::make_unique<ListPrintJob>("СПРАВКА ЗА СТОКООБОРОТА ПО КЛИЕНТИ И ПЕРИОДИ",
                                              QString::asprintf("за периода: %s - %s",
                                                                qUtf8Printable(DisplayDate(from)),
                                                                qUtf8Printable(DisplayDate(to))),
                                              std::move(columns), rows, orientation, std::move(economyMode));
    job->SetTotals(
        {currency == Currency::EUR ? QString("ВСИЧКО EUR: ") : QString("ВСИЧКО ЛВ.: "), net, gross});
    return job;
}

std::unique_ptr<ListPrintJob> SalesReportPrint(const std::vector<QStringList>& rows, bool invoices,
                                               const QDate& from, const QDate& to, const QString& value,
                                               const QString& vat, const QString& total,
                                               PrinterSettings::Orientation orientation,
                                               std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{{"дата", 160, centre},    {"документ", 200, centre},
                                     {"код", 180, left},       {"наименование", 0, left},
                                     {"мярка", 100, centre},   {"к-во", 160, right},
                                     {"ед. цена", 170, right}, {"стойност", 190, right},
                                     {"ДДС", 170, right},      {"всичко", 190, right}};
    // date, number, code, name, unit, quantity, price, value, VAT, total
    const int picked[] = {0, 1, 2, 3, 5, 6, 7, 8, 11, 12};
    std::vector<QStringList> printed;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (int k : picked)
            cells << row.value(k);
        printed.push_back(cells);
    }
    auto job = std::make_unique<ListPrintJob>(
        QString("СПРАВКА ЗА РЕАЛИЗИРАНИТЕ ПРОДАЖБИ ПО АРТИКУЛИ И ") +
            (invoices ? "ФАКТУРИ" : "СТОКОВИ РАЗПИСКИ"),
        QString::asprintf("от %s до %s", qUtf8Printable(DisplayDate(from)), qUtf8Printable(DisplayDate(to))),
        std::move(columns), std::move(printed), orientation, std::move(economyMode));
    job->SetTotals({"ТОТАЛ:", QString(), QString(), QString(), QString(), QString(), QString(),
                    value.trimmed(), vat.trimmed(), total.trimmed()});
    return job;
}

std::unique_ptr<ListPrintJob> StockMovementPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                 const QDate& to, PrinterSettings::Orientation orientation,
                                                 std::function<bool()> economyMode) {
    const int centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{
        {"наименование", 0, Qt::AlignLeft}, {"мярка", 110, centre},      {"нач.салдо", 200, right},
        {"доставени", 200, right},          {"произведени", 200, right}, {"вложени", 200, right},
        {"върнати (брак)", 220, right},     {"реализирани", 200, right}, {"налични днес", 200, right}};
    return std::make_unique<ListPrintJob>(
        "ОБОБЩЕНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ, МАТЕРИАЛИ, ИЗДЕЛИЯ И УСЛУГИ",
        periodLine("от %s до %s", from, to), std::move(columns), cellsOf(rows, {1, 3, 4, 5, 6, 7, 8, 9, 10}),
        orientation, std::move(economyMode));
}

std::unique_ptr<ListPrintJob> DeliveriesReportPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                    const QDate& to, double value, double total,
                                                    PrinterSettings::Orientation orientation,
                                                    std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{
        {"дата", 190, centre}, {"документ", 220, centre}, {"наименование", 0, left}, {"мярка", 110, centre},
        {"к-во", 180, right},  {"ед. цена", 180, right},  {"стойност", 200, right},  {"всичко", 200, right}};
    auto job = std::make_unique<ListPrintJob>(
        "СПРАВКА ЗА ИЗВЪРШЕНИТЕ ДОСТАВКИ", periodLine("от %s до %s", from, to), std::move(columns),
        cellsOf(rows, {0, 1, 3, 5, 6, 7, 8, 11}), orientation, std::move(economyMode));
    job->SetTotals(
        {"ВСИЧКО:", "", "", "", "", "", QString::asprintf("%.2f", value), QString::asprintf("%.2f", total)});
    return job;
}

std::unique_ptr<ListPrintJob> ProducedItemsPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                 const QDate& to, PrinterSettings::Orientation orientation,
                                                 std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{{"документ #", 220, centre}, {"дата", 190, centre},
                                     {"наименование", 0, left},   {"мярка", 110, centre},
                                     {"количество", 200, right},  {"себестойност", 200, right},
                                     {"общо", 200, right},        {"произвел", 300, left}};
    auto job = std::make_unique<ListPrintJob>(
        "СПРАВКА ЗА ПРОИЗВЕДЕНИТЕ ИЗДЕЛИЯ", periodLine("от %s до %s", from, to), std::move(columns),
        cellsOf(rows, {0, 1, 3, 5, 6, 7, 8, 9}), orientation, std::move(economyMode));
    job->SetPageLine("--  %d/%d --");
    return job;
}

std::unique_ptr<ListPrintJob> MaterialsReportPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                   const QDate& to, double cost, Currency currency,
                                                   PrinterSettings::Orientation orientation,
                                                   std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    std::vector<PrintColumn> columns{
        {"дата", 190, centre}, {"наименование", 0, left}, {"група", 300, left}, {"мярка", 110, centre},
        {"к-во", 180, right},  {"ед. цена", 180, right},  {"общо", 200, right}};
    auto job = std::make_unique<ListPrintJob>(
        "СПРАВКА ЗА ВЛОЖЕНИТЕ МАТЕРИАЛИ И КОНСУМАТИВИ", periodLine("от  %s до %s", from, to),
        std::move(columns), cellsOf(rows, {0, 2, 3, 4, 5, 6, 7}), orientation, std::move(economyMode));
    job->SetTotals({currency == Currency::EUR ? QString("всичко EUR:") : QString("всичко лв:"), "", "", "",
                    "", "", QString::asprintf("%.2f", cost)});
    return job;
}
