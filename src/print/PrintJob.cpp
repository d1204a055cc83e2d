#include "print/PrintJob.h"

#include "print/PainterCanvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

PageGeometry GeometryOf(const QPagedPaintDevice& device) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    return PageGeometry{static_cast<int>(area.width() * 10), static_cast<int>(area.height() * 10)};
}

bool RenderJob(PrintJob& job, QPagedPaintDevice& device, int first, int last) {
    const PageGeometry geometry = GeometryOf(device);
    const int count = job.PageCount(geometry);
    if (last <= 0 || last > count)
        last = count;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = std::max(first, 1); page <= last; ++page) {
        if (page > std::max(first, 1))
            device.newPage();
        painter.save();
        PainterCanvas canvas(painter);
        job.DrawPage(page, canvas, geometry);
        painter.restore();
    }
    return painter.end();
}

bool WriteJobToPdf(PrintJob& job, const QString& path) {
    QPdfWriter writer(path);
    writer.setCreator("TARVO");
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     job.PageOrientation() == PrinterSettings::Orientation::Landscape
                                         ? QPageLayout::Landscape
                                         : QPageLayout::Portrait,
                                     QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    return RenderJob(job, writer);
}
