// The income and expense chart on a recording canvas: 36 bars with their
// whole-number values, the month names, nine axis steps, the depth of the 3D
// view, a negative month inside the frame, an empty year; and a PDF.
#include "print/IncomeExpenseChart.h"

#include "support/RecordingCanvas.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using Kind = RecordingCanvas::Kind;

IncomeExpenseYear sample() {
    IncomeExpenseYear year;
    for (size_t m = 0; m < 12; ++m) {
        year.income[m] = 1000 + 100.9 * static_cast<double>(m);
        year.deliveries[m] = 500;
        year.production[m] = 250.75;
    }
    year.maximum = year.income[11];
    return year;
}

int barsOf(const RecordingCanvas& canvas, const QColor& colour) {
    int count = 0;
    for (const auto& op : canvas.OfKind(Kind::Fill))
        count += op.colour == colour ? 1 : 0;
    return count;
}
} // namespace

TEST(IncomeExpenseChart, BarsLabelsAxisAndDepth) {
    const QRect area(0, 0, 2700, 1800);
    RecordingCanvas flat;
    DrawIncomeExpenseChart(flat, area, 2026, sample(), false);
    const QStringList texts = flat.Texts();
    EXPECT_TRUE(texts.contains("ДИАГРАМА НА НЕТНИТЕ ПРИХОДИ И РАЗХОДИ ПРЕЗ 2026 ГОДИНА"));
    for (const char* month : {"Януари", "Феврурари", "Март", "Април", "Май", "Юни", "Юли", "Август",
                              "Септември", "Октомври", "Ноември", "Декември"})
        EXPECT_TRUE(texts.contains(month)) << month;
    // Each series: twelve bars and its legend swatch.
    for (int series = 0; series < 3; ++series)
        EXPECT_EQ(barsOf(flat, IncomeExpenseBarColour(series)), 13) << series;
    // Values cut, not rounded: 1000 + 100.9 × 11 = 2109.9 shows 2109, 250.75 shows 250.
    EXPECT_TRUE(texts.contains("2109"));
    EXPECT_EQ(texts.count("250"), 12);
    // Nine steps of maximum × 0.111…: 0, 234, …, 2109.
    for (const char* step : {"0", "234", "468", "1172", "1875"})
        EXPECT_TRUE(texts.contains(step)) << step;
    EXPECT_TRUE(barsOf(flat, IncomeExpenseBarColour(0).darker(150)) == 0);

    RecordingCanvas deep;
    DrawIncomeExpenseChart(deep, area, 2026, sample(), true);
    for (int series = 0; series < 3; ++series)
        EXPECT_EQ(barsOf(deep, IncomeExpenseBarColour(series).darker(150)), 12) << series;

    // A negative month stays inside the frame, under the zero line.
    IncomeExpenseYear negative = sample();
    negative.income[2] = -700;
    RecordingCanvas below;
    DrawIncomeExpenseChart(below, area, 2026, negative, false);
    for (const auto& op : below.OfKind(Kind::Fill))
        EXPECT_TRUE(area.contains(op.box)) << op.box.top() << " " << op.box.bottom();
    EXPECT_TRUE(below.Texts().contains("-700"));

    RecordingCanvas empty;
    DrawIncomeExpenseChart(empty, area, 2030, IncomeExpenseYear(), true);
    EXPECT_TRUE(empty.Texts().contains("Няма данни за указаната година."));
    EXPECT_TRUE(empty.OfKind(Kind::Fill).empty());
}

TEST(IncomeExpenseChart, APdfCarriesTheChart) {
    QTemporaryDir dir;
    IncomeExpenseChartJob job(2026, sample(), true);
    ASSERT_TRUE(WriteJobToPdf(job, dir.filePath("chart.pdf")));
    const QString read = PdfText(dir.filePath("chart.pdf"));
    EXPECT_TRUE(read.contains("ПРЕЗ 2026 ГОДИНА"));
    EXPECT_TRUE(read.contains("Феврурари"));
}
