#include "print/ui/PrintDialogs.h"

#include "base/Prompter.h"
#include "base/SaveFileChooser.h"
#include "print/PrintJob.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

// A printer set up from the program's settings and the job's orientation.
void setUp(QPrinter& printer, PrintJob& job, PrinterSettings& settings, const LocalSettings& local) {
    SetPrintOrientation(job.PageOrientation() == PrinterSettings::Orientation::Landscape ? 1 : 0, local,
                        &settings);
    ApplyPrinterSettings(settings, printer);
    printer.setDocName("TARVO");
}

} // namespace

void PreviewJob(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings,
                SaveFileChooser& chooser, Prompter& prompter, QWidget* parent) {
    QPrinter device(QPrinter::HighResolution);
    setUp(device, job, printer, settings);
    QPrintPreviewDialog preview(&device, parent);
    preview.setWindowTitle("Преглед преди печат");
    if (QToolBar* tools = preview.findChild<QToolBar*>()) {
        tools->addSeparator();
        tools->addAction("Запис като PDF...", &preview, [&] { SaveJobAsPdf(job, chooser, prompter); });
    }
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&job](QPrinter* target) { RenderJob(job, *target); });
    preview.resize(1000, 760);
    preview.showMaximized();
    preview.exec();
}

bool PrintJobWithDialog(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings,
                        QWidget* parent, bool hasSelection, const std::function<void(bool)>& onSelection) {
    QPrinter device(QPrinter::HighResolution);
    setUp(device, job, printer, settings);
    QPrintDialog dialog(&device, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (onSelection)
        onSelection(device.printRange() == QPrinter::Selection);
    const bool pageRange = device.printRange() == QPrinter::PageRange;
    return RenderJob(job, device, pageRange ? device.fromPage() : 1, pageRange ? device.toPage() : 0);
}

void ApplyPrinterSettings(const PrinterSettings& settings, QPrinter& printer) {
    if (!settings.printerName.isEmpty())
        printer.setPrinterName(settings.printerName);
    if (settings.pageSizeId >= 0)
        printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(settings.pageSizeId)));
    printer.setPageOrientation(settings.orientation == PrinterSettings::Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
}

bool SaveJobAsPdf(PrintJob& job, SaveFileChooser& chooser, Prompter& prompter) {
    const QString path = chooser.ChooseSaveFile("Запис като PDF", "tarvo.pdf", "PDF файлове (*.pdf)");
    if (path.isEmpty())
        return false;
    if (!WriteJobToPdf(job, path)) {
        prompter.Message(QString("Файлът %1 не може да бъде записан.").arg(path), MessageIcon::Stop);
        return false;
    }
    return true;
}
