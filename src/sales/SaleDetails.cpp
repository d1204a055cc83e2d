#include "sales/SaleDetails.h"

#include "base/Prompter.h"

SaleDetails::Field SaleDetails::Validate(SaleOp op, Prompter& prompter) const {
    if (op != SaleOp::GoodsNote && (vatRegistered == 0 || vatRate == 0) && osnovanieVat.trimmed().isEmpty()) {
        prompter.Message("Не сте записали основание за неначисляване на ДДС.", MessageIcon::Exclamation);
        return Field::VatGround;
    }
    if (compiledBy.trimmed().isEmpty()) {
        prompter.Message("Не сте записали името на лицето, което е съставило документа.",
                         MessageIcon::Exclamation);
        return Field::CompiledBy;
    }
    if (payBy == 1 && bankId == 0) {
        prompter.Message("Избрали сте плащане с платежно нареждане, но не сте избрали банкова сметка!",
                         MessageIcon::Exclamation);
        return Field::Account;
    }
    return Field::None;
}
