#pragma once

#include "print/ListPrintJob.h"

#include <QDate>
#include <memory>

// The printed list of the cash register: "ПРИХОДИ И РАЗХОДИ" for the
// period, the operation columns the print-field flags chose (indices of the
// form's columns, in order) and the rows given with all their cells.
std::unique_ptr<ListPrintJob> CashRegisterPrint(const std::vector<QStringList>& rows,
                                                const std::vector<int>& columns, const QDate& from,
                                                const QDate& to, PrinterSettings::Orientation orientation,
                                                std::function<bool()> economyMode);
