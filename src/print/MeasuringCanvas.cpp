#include "print/MeasuringCanvas.h"

#include "print/PainterCanvas.h"

#include <QFontMetricsF>
#include <cmath>

void MeasuringCanvas::SetFont(const PrintFont& font) {
    m_font = QtFontOf(font);
}

int MeasuringCanvas::TextWidth(const QString& text) {
    return static_cast<int>(std::ceil(QFontMetricsF(m_font).horizontalAdvance(text) * 1.03));
}
