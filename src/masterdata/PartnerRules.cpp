#include "masterdata/PartnerRules.h"

#include "base/Prompter.h"

QString PartnerRules::DialogTitle(const Partner& record) {
    return record.id == 0 ? QString("създаване на контрагент") : QString("редактиране на контрагент");
}

bool PartnerRules::CanAccept(const Partner& record) {
    return !record.name.trimmed().isEmpty() && (record.isCustomer || record.isSupplier);
}

bool PartnerRules::Validate(const Partner& record, Prompter& prompter) {
    if (record.name.trimmed().isEmpty()) {
        prompter.Message("Моля, впишете наименование на фирмата/лицето.", MessageIcon::Exclamation);
        return false;
    }
    if (!record.isCustomer && !record.isSupplier) {
        prompter.Message("Необходимо е да укажете, дали контрагентът е клиент или доставчик.",
                         MessageIcon::Exclamation);
        return false;
    }
    return true;
}

void PartnerRules::Normalize(Partner& record) {
    for (QString* text : {&record.name, &record.nameLat, &record.city, &record.cityLat, &record.address,
                          &record.addressLat, &record.mol, &record.molLat, &record.taxId, &record.bulstat})
        *text = text->trimmed();
    record.bankAccount = record.bankAccount.simplified().remove(' ').toUpper();
    record.bankCode = record.bankCode.simplified().remove(' ').toUpper();
}
