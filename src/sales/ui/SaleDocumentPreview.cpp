#include "sales/ui/SaleDocumentPreview.h"

#include "base/FormHost.h"
#include "base/QuietPrompter.h"
#include "print/HostSalePrinter.h"
#include "sales/SellForm.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "trade/GivenDocument.h"

bool ShowStoredSaleDocument(Database& db, FormHost& host, DocumentKind kind, int number, bool original) {
    QuietPrompter prompter(host.GetPrompter());
    SellForm form(db, prompter, host.Settings(), host.GetClock());
    GivenDocument chosen(number);
    if (number <= 0 || !form.Load(kind, chosen))
        return false;
    form.SetOriginal(original);
    HostSalePrinter(host).Preview(form.Printout());
    return true;
}

bool PreviewStoredSaleDocument(CTarvoDoc& doc, FormHost& host, DocumentKind kind, int number) {
    return ShowStoredSaleDocument(doc.Db(), host, kind, number, false);
}
