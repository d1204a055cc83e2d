#include "print/HostSalePrinter.h"

#include "base/FormHost.h"
#include "masterdata/StockSettings.h"
#include "settings/LocalSettings.h"

SalePrintOptions HostSalePrinter::Options() const {
    const LocalSettings& settings = m_host.Settings();
    SalePrintOptions options;
    options.noStockNotePrices = settings.NoStockNotePrices() != 0;
    options.stockNotesWithoutCodes = settings.AllowStockNotesWithoutCodes() != 0;
    options.invoicesWithoutCodes = settings.AllowInvoicesWithoutCodes() != 0;
    options.pricePrecision = GetPricePrecision();
    options.economyMode = [&settings] { return settings.EconomicPrintMode() != 0; };
    return options;
}

void HostSalePrinter::Preview(const SalePrintout& printout) {
    SaleDocumentJob job(printout, Options());
    m_host.ShowPrintPreview(job);
}

void HostSalePrinter::PrintNow(const SalePrintout& printout) {
    SaleDocumentJob job(printout, Options());
    m_host.PrintNow(job);
}
