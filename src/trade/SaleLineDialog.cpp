#include "trade/SaleLineDialog.h"

#include "base/Prompter.h"
#include "format/Rounding.h"

bool AcceptSaleLine(Prompter& prompter, double quantity, double price) {
    if (RoundHalfUp(quantity, 3) <= 0) {
        prompter.Message("Количеството трябва да бъде положително число!", MessageIcon::Stop);
        return false;
    }
    if (price < 0) {
        prompter.Message("Цената не може да бъде отрицателно число!", MessageIcon::Stop);
        return false;
    }
    return true;
}
