#pragma once

#include <QDialog>
#include <functional>

class PrintJob;
class Prompter;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class SaveFileChooser;
struct PrinterSettings;

// "Преглед преди печат": every print of the program passes through here. The
// pages as they will come out, with paging and zoom, and from here the print
// dialog (every printer, print to file, the selected rows only where the job
// has a selection) or a PDF file.
class CPrintPreviewDlg : public QDialog {
    Q_OBJECT
public:
    // `sendByMail`, when given, is the entry "Изпращане по e-mail ...".
    CPrintPreviewDlg(PrintJob& job, QPrinter& printer, SaveFileChooser& chooser, Prompter& prompter,
                     QWidget* parent = nullptr, std::function<void()> sendByMail = {});

    QPrintPreviewWidget* Pages() const { return m_pages; }
    // The print dialog, then the pages on the printer chosen there.
    bool Print();
    bool SaveAsPdf();

private:
    void ShowPageNumber();

    PrintJob& m_job;
    QPrinter& m_printer;
    SaveFileChooser& m_chooser;
    Prompter& m_prompter;
    QPrintPreviewWidget* m_pages;
    QLabel* m_pageNumber;
};
