#include "print/HostDeliveryPrinter.h"

#include "base/FormHost.h"
#include "print/DeliveryReceiptJob.h"
#include "settings/LocalSettings.h"

void HostDeliveryPrinter::Preview(const DeliveryPrintout& printout) {
    const LocalSettings& settings = m_host.Settings();
    DeliveryReceiptJob job(printout, [&settings] { return settings.EconomicPrintMode() != 0; });
    m_host.ShowPrintPreview(job);
}
