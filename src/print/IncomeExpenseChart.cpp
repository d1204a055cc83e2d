#include "print/IncomeExpenseChart.h"

#include "masterdata/FirmCurrency.h"
#include "print/Canvas.h"
#include "print/PageFrame.h"

#include <Qt>
#include <algorithm>
#include <cmath>

namespace {
const char* const kMonths[] = {"Януари", "Феврурари", "Март",      "Април",    "Май",     "Юни",
                               "Юли",    "Август",    "Септември", "Октомври", "Ноември", "Декември"};
const char* const kSeries[] = {"приходи (стокови разписки)", "доставки", "производство"};

constexpr PrintFont kTitle{50, true, false};
constexpr PrintFont kLabel{26, false, false};
constexpr PrintFont kValue{20, false, false};

// A value as the chart writes it: cut to a whole number.
QString whole(double value) {
    return QString::number(static_cast<long long>(std::trunc(value)));
}
} // namespace

QColor IncomeExpenseBarColour(int series) {
    static const QColor colours[] = {QColor(40, 120, 200), QColor(220, 80, 60), QColor(240, 170, 40)};
    return colours[std::clamp(series, 0, 2)];
}

void DrawIncomeExpenseChart(Canvas& canvas, const QRect& area, int year, const IncomeExpenseYear& data,
                            bool threeD) {
    canvas.SetFont(kTitle);
    const int titleHeight = kTitle.height * 2;
    QString title = QString::asprintf("ДИАГРАМА НА НЕТНИТЕ ПРИХОДИ И РАЗХОДИ ПРЕЗ %d ГОДИНА", year);
    if (data.converted)
        title += QString("\n(") + kConvertedSumsNote + ")";
    canvas.DrawText(QRect(area.left(), area.top(), area.width(), titleHeight), Qt::AlignCenter, title);
    const QRect body(area.left(), area.top() + titleHeight, area.width(), area.height() - titleHeight);
    canvas.DrawRect(body);
    if (data.Empty()) {
        canvas.SetFont(kLabel);
        canvas.DrawText(body, Qt::AlignCenter, "Няма данни за указаната година.");
        return;
    }

    // The plot: room for the axis labels on the left, the month names and
    // the legend under it.
    const int legendHeight = kLabel.height * 2;
    const int monthHeight = kLabel.height * 2;
    const int axisWidth = std::max(160, area.width() / 12);
    const int depth = threeD ? std::max(8, body.width() / 150) : 0;
    const QRect plot(body.left() + axisWidth, body.top() + kLabel.height + depth,
                     body.width() - axisWidth - 40 - depth,
                     body.height() - kLabel.height - depth - monthHeight - legendHeight);
    const double top = data.maximum > 0 ? data.maximum : 1;
    const double bottom = data.Minimum(); // 0 unless a month is negative
    const auto yOf = [&](double value) {
        return plot.bottom() -
               static_cast<int>(std::lround((value - bottom) / (top - bottom) * plot.height()));
    };

    // The value axis: nine steps from 0 to the maximum, and as many below
    // 0 as a negative month needs.
    canvas.SetFont(kLabel);
    const double step = top * 0.1111111111111111;
    for (int k = static_cast<int>(std::floor(bottom / step)); k <= 9; ++k) {
        const double value = k * step;
        const int y = yOf(value);
        canvas.DrawLine(QPoint(plot.left() - 10, y), QPoint(plot.right(), y));
        canvas.DrawText(QRect(body.left() + 5, y - kLabel.height, axisWidth - 20, 2 * kLabel.height),
                        Qt::AlignRight | Qt::AlignVCenter, whole(value));
    }
    canvas.DrawLine(QPoint(plot.left(), plot.top()), QPoint(plot.left(), plot.bottom()));

    // Twelve groups of three bars.
    const int group = plot.width() / 12;
    const int bar = std::max(4, group * 2 / 9);
    const int zero = yOf(0);
    for (int month = 0; month < 12; ++month) {
        const int left = plot.left() + month * group + (group - 3 * bar) / 2;
        const double values[] = {data.income[static_cast<size_t>(month)],
                                 data.deliveries[static_cast<size_t>(month)],
                                 data.production[static_cast<size_t>(month)]};
        for (int series = 0; series < 3; ++series) {
            const int y = yOf(values[series]);
            const QRect front(left + series * bar, std::min(y, zero), bar, std::max(1, std::abs(zero - y)));
            const QColor colour = IncomeExpenseBarColour(series);
            if (threeD) {
                // The side and the top, drawn behind the front in a darker shade.
                canvas.FillRect(front.translated(depth, -depth), colour.darker(150));
            }
            canvas.FillRect(front, colour);
            canvas.DrawRect(front);
            canvas.SetFont(kValue);
            canvas.DrawText(QRect(front.left() - bar, front.top() - kValue.height - depth - 4, 3 * bar,
                                  kValue.height + 2),
                            Qt::AlignHCenter | Qt::AlignBottom, whole(values[series]));
        }
        canvas.SetFont(kLabel);
        canvas.DrawText(QRect(plot.left() + month * group, plot.bottom() + 5, group, monthHeight),
                        Qt::AlignHCenter | Qt::AlignTop, kMonths[month]);
    }

    // The legend.
    const int legendTop = plot.bottom() + monthHeight;
    const int slot = plot.width() / 3;
    for (int series = 0; series < 3; ++series) {
        const QRect swatch(plot.left() + series * slot, legendTop + kLabel.height / 2, kLabel.height,
                           kLabel.height);
        canvas.FillRect(swatch, IncomeExpenseBarColour(series));
        canvas.DrawRect(swatch);
        canvas.DrawText(QRect(swatch.right() + 15, legendTop, slot - kLabel.height - 20, legendHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, kSeries[series]);
    }
}

void IncomeExpenseChartJob::DrawPage(int, Canvas& canvas, const PageGeometry& geometry) {
    PageFrame frame(canvas, geometry, false);
    const QRect area(frame.Left(), PageFrame::kMargin, frame.Width(),
                     geometry.height - 2 * PageFrame::kMargin - 100);
    DrawIncomeExpenseChart(canvas, area, m_year, m_data, m_threeD);
    frame.Footer(area.bottom() + 20);
}
