#pragma once

#include <functional>

class LocalSettings;
class QPrinter;
class Prompter;
class PrintJob;
class QWidget;
class SaveFileChooser;
struct PrinterSettings;

// The ways a job leaves the program: the print preview (from which it can be
// printed, or saved as a PDF file the user names), and the print dialog with
// every printer and "print to file". Each starts from the program's printer
// settings, turned to the job's orientation when AutoSetPrintOrientation is on.
void PreviewJob(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings,
                SaveFileChooser& chooser, Prompter& prompter, QWidget* parent);
// onSelection is told whether the user asked for the selected rows only.
bool PrintJobWithDialog(PrintJob& job, PrinterSettings& printer, const LocalSettings& settings,
                        QWidget* parent, bool hasSelection = false,
                        const std::function<void(bool)>& onSelection = {});
bool SaveJobAsPdf(PrintJob& job, SaveFileChooser& chooser, Prompter& prompter);

// The program's printer, paper and orientation on a printer object.
void ApplyPrinterSettings(const PrinterSettings& settings, QPrinter& printer);
