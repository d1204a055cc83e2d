#include "trade/FirmSnapshot.h"

#include "masterdata/FirmDataStore.h"

FirmSnapshot CurrentFirm(Database& db) {
    FirmData firm;
    FirmDataStore(db).Load(firm);
    FirmSnapshot f;
    f.name = firm.firmName;
    f.city = firm.city;
    f.address = firm.address;
    f.mol = firm.mol;
    f.taxId = firm.taxId;
    f.bulstat = firm.bulstat;
    f.vatRegistered = firm.vatRegistered;
    f.vatRate = firm.vatValue;
    return f;
}
