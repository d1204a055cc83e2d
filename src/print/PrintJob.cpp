#include "print/PrintJob.h"

#include "print/PainterCanvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QFile>
#include <QPdfWriter>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

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
    return PdfFileError(job, path).isEmpty();
}

QString PdfFileError(PrintJob& job, const QString& path) {
    // Written beside under a part name and renamed when whole: a failed
    // write (a full disk) leaves no broken PDF behind.
    const QString part = path + ".part";
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    QString error = WriteJobAsPdf(job, file);
    if (error.isEmpty() && (!file.flush() || ::fsync(file.handle()) != 0))
        error = QString::fromLocal8Bit(std::strerror(errno));
    file.close();
    if (error.isEmpty() && file.error() != QFileDevice::NoError)
        error = file.errorString();
    if (error.isEmpty() && std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0)
        error = QString::fromLocal8Bit(std::strerror(errno));
    if (!error.isEmpty())
        QFile::remove(part);
    return error;
}

namespace {
// Passes the writer's bytes on and remembers a refused write, which the
// writer itself does not report.
class WriteWatch : public QIODevice {
public:
    explicit WriteWatch(QIODevice& target) : m_target(target) { open(QIODevice::WriteOnly); }
    bool Failed() const { return m_failed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (m_failed || m_target.write(data, length) != length) {
            m_failed = true;
            return -1;
        }
        return length;
    }

private:
    QIODevice& m_target;
    bool m_failed = false;
};
} // namespace

QString WriteJobAsPdf(PrintJob& job, QIODevice& out) {
    WriteWatch watch(out);
    QPdfWriter writer(&watch);
    writer.setCreator("TARVO");
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     job.PageOrientation() == PrinterSettings::Orientation::Landscape
                                         ? QPageLayout::Landscape
                                         : QPageLayout::Portrait,
                                     QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    const bool rendered = RenderJob(job, writer);
    if (watch.Failed())
        return out.errorString().isEmpty() ? QString("записът е отказан") : out.errorString();
    return rendered ? QString() : QString("страниците не могат да бъдат изготвени");
}
