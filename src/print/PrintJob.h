#pragma once

#include "print/PageFrame.h"
#include "settings/PrinterSettings.h"

class QPagedPaintDevice;

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
};

// The printable area of a printer or PDF page in 0.1 mm.
PageGeometry GeometryOf(const QPagedPaintDevice& device);

// Draws pages first to last (all when last is 0) on the device, a page each;
// false when the device cannot be painted on.
bool RenderJob(PrintJob& job, QPagedPaintDevice& device, int first = 1, int last = 0);

// Writes the job to a PDF file on A4 in its orientation; false when the file
// cannot be written.
bool WriteJobToPdf(PrintJob& job, const QString& path);
