#include "masterdata/FirmDataForm.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/FirmDataStore.h"

FirmData FirmDataForm::Load() {
    FirmData record;
    FirmDataStore(m_db).Load(record);
    if (record.firmName.isEmpty() && record.vatValue == 0)
        record.vatValue = FirmDataStore(m_db).VatRate();
    return record;
}

bool FirmDataForm::Save(FirmData r) {
    for (QString* text : {&r.firmName, &r.firmNameLat, &r.city, &r.cityLat, &r.address, &r.addressLat, &r.mol,
                          &r.molLat, &r.taxId, &r.bulstat})
        *text = text->trimmed();
    const bool registered = r.vatRegistered != 0;
    if (r.firmName.isEmpty() || r.city.isEmpty() || r.address.isEmpty() || r.mol.isEmpty() ||
        (!registered && r.taxId.isEmpty()) || (registered && r.bulstat.isEmpty())) {
        m_prompter.Message("Не сте попълнили някои от задължителните данни.", MessageIcon::Stop);
        return false;
    }
    const double rate = RoundHalfUp(r.vatValue, 2);
    if (!(rate > 0 && rate < 100)) {
        m_prompter.Message(
            "Указали сте невалидна стойност за ставка по ДДС! Моля, въведете регламентираната в "
            "закона ставка, дори и да не сте регистрирани по ЗДДС.",
            MessageIcon::Stop);
        return false;
    }
    FirmData stored = r;
    stored.vatRegistered = registered ? 1 : 0;
    stored.vatValue = rate;
    WriteTransaction transaction(m_db);
    return transaction.Begin() && FirmDataStore(m_db).Replace(transaction, stored) && transaction.Commit();
}
