#include "settings/PrinterSettings.h"

#include "settings/LocalSettings.h"

void SetPrintOrientation(int orientation, const LocalSettings& settings, PrinterSettings* printer) {
    if (settings.AutoSetPrintOrientation() == 0 || !printer)
        return;
    if (orientation == 0)
        printer->orientation = PrinterSettings::Orientation::Portrait;
    else if (orientation == 1)
        printer->orientation = PrinterSettings::Orientation::Landscape;
}
