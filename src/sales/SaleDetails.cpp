#include "sales/SaleDetails.h"

#include "base/Prompter.h"

bool SaleDetails::Validate(SaleOp op, Prompter& prompter) const {
    if (op != SaleOp::GoodsNote && (vatRegistered == 0 || vatRate == 0) && osnovanieVat.trimmed().isEmpty()) {
        prompter.Message("Не сте записали основание за неначисляване на ДДС.", MessageIcon::Exclamation);
        return false;
    }
    if (compiledBy.trimmed().isEmpty()) {
        prompter.Message("Не сте записали името на лицето, което е съставило документа.",
                         MessageIcon::Exclamation);
        return false;
    }
    if (payBy == 1 && bankId == 0) {
        prompter.Message("Избрали сте плащане с платежно нареждане, но не сте избрали банкова сметка!",
                         MessageIcon::Exclamation);
        return false;
    }
    return true;
}
