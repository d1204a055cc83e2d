#include "app/ui/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {
QPixmap badge(const QString& caption, const QColor& colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(colour.darker(150));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 6 / 10);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, caption.left(1));
    return pixmap;
}
} // namespace

QIcon ThemedIcon(const QString& themeName, const QString& caption, const QColor& colour) {
    QIcon fallback;
    for (int size : {20, 40})
        fallback.addPixmap(badge(caption, colour, size));
    return QIcon::fromTheme(themeName, fallback);
}
