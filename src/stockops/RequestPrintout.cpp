#include "stockops/RequestPrintout.h"

#include "masterdata/FirmDataStore.h"
#include "masterdata/PartnerStore.h"

namespace {
QString either(const QString& latin, const QString& cyrillic) {
    return latin.isEmpty() ? cyrillic : latin;
}
} // namespace

RequestPrintout MakeRequestPrintout(Database& db, const SupplierRequest& request, int language) {
    RequestPrintout printout;
    printout.request = request;
    printout.language = language == 1 ? 1 : 0;
    const bool latin = printout.language == 1;
    Partner partner;
    if (request.partnerId != 0 && PartnerStore(db).Load(request.partnerId, partner))
        printout.supplier = {latin ? partner.nameLat : partner.name,
                             latin ? partner.cityLat : partner.city,
                             latin ? partner.addressLat : partner.address,
                             partner.taxId,
                             partner.bulstat,
                             latin ? partner.molLat : partner.mol};
    else
        printout.supplier.name = request.partnerName;
    FirmData firm;
    if (FirmDataStore(db).Load(firm))
        printout.firm = {latin ? either(firm.firmNameLat, firm.firmName) : firm.firmName,
                         latin ? either(firm.cityLat, firm.city) : firm.city,
                         latin ? either(firm.addressLat, firm.address) : firm.address,
                         firm.taxId,
                         firm.bulstat,
                         latin ? either(firm.molLat, firm.mol) : firm.mol};
    return printout;
}
