#pragma once

#include <QString>

class Clock;
class DocumentMarks;
class LocalSettings;
class PrintJob;
class Prompter;
struct PrinterSettings;

// What a form needs from the window that shows it. The main window
// implements it; a form never sees the main window itself, so a form
// compiles and is tested without it.
class FormHost {
public:
    virtual ~FormHost() = default;

    virtual Prompter& GetPrompter() = 0;
    virtual LocalSettings& Settings() = 0;
    // The printer chosen in the print set-up, which every print starts from.
    virtual PrinterSettings& Printer() = 0;
    virtual const Clock& GetClock() const = 0;
    // Shows the job in the print preview, from which it is printed on the
    // printer above or saved as PDF.
    virtual void ShowPrintPreview(PrintJob& job) = 0;
    // Prints the job at once: the print dialog, then the printer chosen there.
    virtual void PrintNow(PrintJob& job) = 0;

    // The window title while the form is shown.
    virtual void SetFormTitle(const QString& title) = 0;
    // The status bar panes: the information text and a duration ("%.2f сек.").
    virtual void SetInfoText(const QString& text) = 0;
    virtual void SetDurationText(const QString& text) = 0;
    // Replaces the form by one of the given view type (1: the start view).
    virtual void SwitchView(int viewType) = 0;
    // The marks the document lists show beside some kinds (a sale's fiscal
    // receipt), or null.
    virtual DocumentMarks* Marks() { return nullptr; }
};

// Asks whether a document just saved goes to the printer.
bool WantsPrintout(Prompter& prompter);

// A form whose document may hold unsaved changes; the view switch asks
// before it is replaced.
class DocumentForm {
public:
    virtual ~DocumentForm() = default;
    virtual bool HasUnsavedChanges() const = 0;
    // Asks before unsaved changes are given up; true when they may go.
    bool MayDiscard(Prompter& prompter) const;
};
