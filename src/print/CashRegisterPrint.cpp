#include "print/CashRegisterPrint.h"

#include "format/SqlDates.h"

#include <Qt>

std::unique_ptr<ListPrintJob> CashRegisterPrint(const std::vector<QStringList>& rows,
                                                const std::vector<int>& columns, const QDate& from,
                                                const QDate& to, PrinterSettings::Orientation orientation,
                                                std::function<bool()> economyMode) {
    const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
    // The operation's twelve printable fields; the description takes what
    // the others leave.
    const PrintColumn all[] = {
        {"оп. №", 100, left},      {"тип", 70, centre},         {"документ №", 200, centre},
        {"дата", 170, centre},     {"плащане до", 170, centre}, {"описание", 0, left},
        {"контрагент", 330, left}, {"сума", 160, right},        {"платени", 160, right},
        {"остатък", 160, right},   {"основание", 260, left},    {"банково пл.", 170, centre}};
    std::vector<PrintColumn> printed;
    for (int k : columns)
        if (k >= 0 && k < 12)
            printed.push_back(all[k]);
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const QStringList& row : rows) {
        QStringList chosen;
        for (int k : columns)
            if (k >= 0 && k < 12)
                chosen << row.value(k);
        cells.push_back(chosen);
    }
    return std::make_unique<ListPrintJob>(
        "ПРИХОДИ И РАЗХОДИ",
        QString::asprintf("за периода: %s - %s", qUtf8Printable(DisplayDate(from)),
                          qUtf8Printable(DisplayDate(to))),
        std::move(printed), std::move(cells), orientation, std::move(economyMode));
}
