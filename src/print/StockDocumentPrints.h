#pragma once

#include "print/ListPrintJob.h"
#include "stockops/Production.h"
#include "stockops/Stocktaking.h"

#include <functional>
#include <memory>

// The printed production document: title with number, date and operator,
// the products made, then the materials used, and the signatures of the
// operator and the one who took the products in.
std::unique_ptr<ListPrintJob> ProductionPrint(const ProductionDocument& doc,
                                              std::function<bool()> economyMode);

// The stocktaking protocol "ПРОТОКОЛ ЗА ИЗВЪРШЕНА ИНВЕНТАРИЗАЦИЯ №" of the given
// lines, with the signatures of the responsible person and the commission.
std::unique_ptr<ListPrintJob> StocktakingProtocol(const StocktakingDocument& doc, const std::vector<int>& lines,
                                               std::function<bool()> economyMode);
