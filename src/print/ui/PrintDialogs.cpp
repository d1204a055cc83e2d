#include "print/ui/PrintDialogs.h"

#include "base/Prompter.h"
#include "base/SaveFileChooser.h"
#include "print/DocumentMail.h"
#include "print/PrintJob.h"
#include "print/ui/CPrintPreviewDlg.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

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
                SaveFileChooser& chooser, Prompter& prompter, QWidget* parent,
                const std::function<QString(int)>& addressOf) {
    QPrinter device(QPrinter::HighResolution);
    setUp(device, job, printer, settings);
    std::function<void()> sendByMail;
    if (const std::optional<MailDocument> mail = job.Mail())
        sendByMail = [&job, &chooser, &prompter,
                      address = addressOf ? addressOf(mail->partnerId) : QString()] {
            XdgEmail program;
            SendJobByMail(job, address, QDir::temp().filePath("tarvo-mail"), program, chooser, prompter);
        };
    CPrintPreviewDlg preview(job, device, chooser, prompter, parent, sendByMail);
    preview.showMaximized();
    preview.exec();
}

bool PrintThroughDialog(PrintJob& job, QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, job.HasSelection());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    job.PrintSelectionOnly(printer.printRange() == QPrinter::Selection);
    const bool pageRange = printer.printRange() == QPrinter::PageRange;
    const bool printed =
        RenderJob(job, printer, pageRange ? printer.fromPage() : 1, pageRange ? printer.toPage() : 0);
    job.PrintSelectionOnly(false);
    return printed;
}

void PrintJobNow(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings, QWidget* parent) {
    QPrinter device(QPrinter::HighResolution);
    setUp(device, job, printer, settings);
    PrintThroughDialog(job, device, parent);
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
    // A document proposes the name its e-mail attachment gets.
    const std::optional<MailDocument> document = job.Mail();
    const QString path = chooser.ChooseSaveFile("Запис като PDF", document ? MailFileName(*document) : "tarvo.pdf",
                                                "PDF файлове (*.pdf)");
    if (path.isEmpty())
        return false;
    if (!WriteJobToPdf(job, path)) {
        prompter.Message(QString("Файлът %1 не може да бъде записан.").arg(path), MessageIcon::Stop);
        return false;
    }
    return true;
}
