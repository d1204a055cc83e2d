#include "print/PainterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(painter) {
    QPaintDevice* device = painter.device();
    m_painter.scale(device->logicalDpiX() / 254.0, device->logicalDpiY() / 254.0);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setPen(QPen(Qt::black, 2));
}

QFont QtFontOf(const PrintFont& font) {
    QFont qfont("Arial");
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPixelSize(font.height);
    qfont.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    qfont.setItalic(font.italic);
    return qfont;
}

void PainterCanvas::SetFont(const PrintFont& font) {
    m_painter.setFont(QtFontOf(font));
}

void PainterCanvas::DrawText(const QRect& box, int alignment, const QString& text) {
    // A text meant to take several lines says so with TextWordWrap; any
    // other stays on one line.
    const int lines = (alignment & Qt::TextWordWrap) ? 0 : Qt::TextSingleLine;
    m_painter.drawText(box, alignment | lines, text);
}

void PainterCanvas::FillRect(const QRect& box, const QColor& colour) {
    m_painter.fillRect(box, colour);
}

void PainterCanvas::DrawRect(const QRect& box) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(box);
}

void PainterCanvas::DrawLine(const QPoint& from, const QPoint& to) {
    m_painter.drawLine(from, to);
}

int PainterCanvas::TextWidth(const QString& text) {
    return m_painter.fontMetrics().horizontalAdvance(text);
}

void PainterCanvas::DrawImage(const QRect& box, const QImage& image) {
    if (image.isNull())
        return;
    const QSize fitted = image.size().scaled(box.size(), Qt::KeepAspectRatio);
    m_painter.drawImage(QRect(box.topLeft(), fitted), image);
}
