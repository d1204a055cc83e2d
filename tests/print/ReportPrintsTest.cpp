#include "print/ReportPrints.h"

#include "support/RecordingCanvas.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using Kind = RecordingCanvas::Kind;

namespace {

std::vector<QStringList> rows(int count) {
    std::vector<QStringList> out;
    for (int i = 0; i < count; ++i)
        out.push_back(
            {QString("C%1").arg(i), "Стока", "Група", "бр.", "1.000", "2.00", "2.00", "3.00", "4.00"});
    return out;
}

std::unique_ptr<ListPrintJob> job(int count, PrinterSettings::Orientation orientation,
                                  std::function<bool()> economy = {}) {
    return StockReportPrint(rows(count), 2.0 * count, 3.0 * count, 4.0 * count, QDate(2026, 12, 8),
                            orientation, std::move(economy));
}

// The item codes on a page.
QStringList codes(const RecordingCanvas& canvas) {
    return canvas.Texts().filter(QRegularExpression("^C\\d+$"));
}

TEST(ReportPrints, RowsPerPageByOrientationWithTheTotalsOnTheLastPage) {
    const PageGeometry landscape{2870, 2000}, portrait{2000, 2870};
    struct Case {
        int rows;
        PrinterSettings::Orientation orientation;
        int pages;
    };
    const Case cases[] = {
        {0, PrinterSettings::Orientation::Landscape, 1},   {1, PrinterSettings::Orientation::Landscape, 1},
        {40, PrinterSettings::Orientation::Landscape, 1},  {41, PrinterSettings::Orientation::Landscape, 2},
        {101, PrinterSettings::Orientation::Landscape, 3}, {50, PrinterSettings::Orientation::Portrait, 1},
        {101, PrinterSettings::Orientation::Portrait, 3}};
    for (const Case& c : cases) {
        const auto printed = job(c.rows, c.orientation);
        const PageGeometry page =
            c.orientation == PrinterSettings::Orientation::Landscape ? landscape : portrait;
        ASSERT_EQ(printed->PageCount(page), c.pages) << c.rows;
        int drawn = 0;
        for (int p = 1; p <= c.pages; ++p) {
            RecordingCanvas canvas;
            printed->DrawPage(p, canvas, page);
            drawn += static_cast<int>(codes(canvas).size());
            const QStringList texts = canvas.Texts();
            EXPECT_EQ(texts.contains("ВСИЧКО:"), p == c.pages) << c.rows << " page " << p;
            EXPECT_EQ(texts.contains("СПРАВКА ЗА НАЛИЧНИТЕ СТОКИ, МАТЕРИАЛИ И ИЗДЕЛИЯ"), p == 1);
            if (p == 1)
                EXPECT_TRUE(texts.contains("към дата: 08.12.2026"));
            else
                EXPECT_TRUE(texts.contains(QString::asprintf("-- %d/%d --", p, c.pages)));
        }
        EXPECT_EQ(drawn, c.rows);
    }
    RecordingCanvas last;
    job(101, PrinterSettings::Orientation::Landscape)->DrawPage(3, last, landscape);
    EXPECT_TRUE(last.Texts().contains("202.00"));
    EXPECT_TRUE(last.Texts().contains("404.00"));
    EXPECT_TRUE(last.Texts().contains("101"));
}

TEST(ReportPrints, TheSelectionAloneAndEconomyMode) {
    bool economy = false;
    const auto printed = job(101, PrinterSettings::Orientation::Landscape, [&economy] { return economy; });
    printed->SetSelection({3, 50});
    printed->PrintSelectionOnly(true);
    const PageGeometry landscape{2870, 2000};
    ASSERT_EQ(printed->PageCount(landscape), 1);
    RecordingCanvas shaded;
    printed->DrawPage(1, shaded, landscape);
    EXPECT_EQ(codes(shaded), QStringList({"C3", "C50"}));
    EXPECT_FALSE(shaded.OfKind(Kind::Fill).empty());
    economy = true;
    RecordingCanvas plain;
    printed->DrawPage(1, plain, landscape);
    EXPECT_TRUE(plain.OfKind(Kind::Fill).empty());
    EXPECT_EQ(plain.Texts(), shaded.Texts());
}

} // namespace
