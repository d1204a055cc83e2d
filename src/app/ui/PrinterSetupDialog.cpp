#include "app/ui/PrinterSetupDialog.h"

#include "print/ui/PrintDialogs.h"
#include "settings/PrinterSettings.h"

#include <QPageSetupDialog>
#include <QPrinter>

void RunPrinterSetup(PrinterSettings& settings, QWidget* parent) {
    QPrinter printer;
    ApplyPrinterSettings(settings, printer);
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle("Настройка на печата");
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings.printerName = printer.printerName();
    settings.pageSizeId = static_cast<int>(printer.pageLayout().pageSize().id());
    settings.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                               ? PrinterSettings::Orientation::Landscape
                               : PrinterSettings::Orientation::Portrait;
}
