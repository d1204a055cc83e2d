#pragma once

class QIODevice;

#include "print/PageFrame.h"
#include "settings/PrinterSettings.h"

#include <QDate>
#include <QString>
#include <optional>

class QPagedPaintDevice;

// What the e-mail of a printed document needs: what it is (for the PDF's
// name and the subject), its number and date, and the partner it goes to
// (0: none, the address is typed in the mail program).
struct MailDocument {
    QString kind; // "Фактура", "Стокова разписка" ...
    QString number;
    QDate date;
    int partnerId = 0;
};

// Something to print: it knows its orientation and its pages.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual PrinterSettings::Orientation PageOrientation() const = 0;
    virtual int PageCount(const PageGeometry& page) const = 0;
    // Draws page number `page`, counted from 1.
    virtual void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) = 0;
    // A job that knows the rows the user selected offers to print only
    // those (the print dialog's "selection").
    virtual bool HasSelection() const { return false; }
    virtual void PrintSelectionOnly(bool /*only*/) {}
    // A document that can be sent by e-mail says what it is; a list cannot.
    virtual std::optional<MailDocument> Mail() const { return std::nullopt; }
};

// The printable area of a printer or PDF page in 0.1 mm.
PageGeometry GeometryOf(const QPagedPaintDevice& device);

// Draws pages first to last (all when last is 0) on the device, a page each;
// false when the device cannot be painted on.
bool RenderJob(PrintJob& job, QPagedPaintDevice& device, int first = 1, int last = 0);

// Writes the job to a PDF file on A4 in its orientation; false when the file
// cannot be written.
bool WriteJobToPdf(PrintJob& job, const QString& path);
// The same with the reason of a failure (a full disk), empty on success.
QString PdfFileError(PrintJob& job, const QString& path);
// The PDF of the job onto any device; the reason of a failure, or empty.
QString WriteJobAsPdf(PrintJob& job, QIODevice& out);
