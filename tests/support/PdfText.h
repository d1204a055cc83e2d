#pragma once

#include <QProcess>
#include <QString>

// The text of a PDF file as pdftotext lays it out; empty when it cannot be read.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
