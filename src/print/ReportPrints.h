#pragma once

#include "print/ListPrintJob.h"

#include <QDate>
#include <memory>

// The printed stock report "СПРАВКА ЗА НАЛИЧНИТЕ СТОКИ, МАТЕРИАЛИ И ИЗДЕЛИЯ":
// "#" and the report's columns for the rows given (in list order), "към
// дата: %s", and the "ВСИЧКО:" row with the cost value and the sums of the
// two price columns.
std::unique_ptr<ListPrintJob> StockReportPrint(const std::vector<QStringList>& rows, double costValue,
                                               double value1, double value2, const QDate& today,
                                               PrinterSettings::Orientation orientation,
                                               std::function<bool()> economyMode);
