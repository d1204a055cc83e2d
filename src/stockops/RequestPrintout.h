#pragma once

#include "stockops/SupplierRequest.h"

class Database;

// A party of the printed request, in the language it is printed in.
struct RequestParty {
    QString name;
    QString city;
    QString address;
    QString taxId;
    QString bulstat;
    QString mol;
};

// A request as it is printed: 0 Bulgarian, 1 English (the parties then in
// their Latin spelling, the Cyrillic where there is none).
struct RequestPrintout {
    SupplierRequest request;
    RequestParty supplier;
    RequestParty firm;
    int language = 0;
};

// The supplier and the firm read for the printout of a request.
RequestPrintout MakeRequestPrintout(Database& db, const SupplierRequest& request, int language);
