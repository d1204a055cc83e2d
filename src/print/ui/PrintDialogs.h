#pragma once

#include <QString>
#include <functional>

class LocalSettings;
class QPrinter;
class Prompter;
class PrintJob;
class QWidget;
class SaveFileChooser;
struct PrinterSettings;

// Every print starts here: the print preview (from which it is printed, or
// saved as a PDF file the user names), from the program's printer settings,
// turned to the job's orientation when AutoSetPrintOrientation is on.
// A document the job can send by e-mail gets "Изпращане по e-mail ..." with
// the address `addressOf` gives for its partner.
void PreviewJob(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings,
                SaveFileChooser& chooser, Prompter& prompter, QWidget* parent,
                const std::function<QString(int)>& addressOf = {});
// The print dialog on the printer object, then the pages chosen there (the
// selected rows only when the user asked for the selection).
bool PrintThroughDialog(PrintJob& job, QPrinter& printer, QWidget* parent);
// A print without the preview: the program's printer in the print dialog.
void PrintJobNow(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings, QWidget* parent);
bool SaveJobAsPdf(PrintJob& job, SaveFileChooser& chooser, Prompter& prompter);

// The program's printer, paper and orientation on a printer object.
void ApplyPrinterSettings(const PrinterSettings& settings, QPrinter& printer);
