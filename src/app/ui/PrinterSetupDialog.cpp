#include "app/ui/PrinterSetupDialog.h"

#include "app/PrinterSettings.h"

#include <QPageSetupDialog>
#include <QPrinter>

void RunPrinterSetup(PrinterSettings& settings, QWidget* parent) {
    QPrinter printer;
    if (!settings.printerName.isEmpty())
        printer.setPrinterName(settings.printerName);
    if (settings.pageSizeId >= 0)
        printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(settings.pageSizeId)));
    printer.setPageOrientation(settings.orientation == PrinterSettings::Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
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
