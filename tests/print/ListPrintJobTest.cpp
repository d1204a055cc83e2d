#include "print/ListPrintJob.h"

#include "support/QtPrinters.h"
#include "support/RecordingCanvas.h"
#include "support/PdfText.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = RecordingCanvas::Kind;

std::vector<QStringList> numberedRows(int count) {
    std::vector<QStringList> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({QString::number(i), QString("Артикул %1").arg(i), QString::number(i * 1.5, 'f', 2)});
    return rows;
}

ListPrintJob makeJob(int rows, PrinterSettings::Orientation orientation, bool* economy) {
    return ListPrintJob(
        "НАЛИЧНОСТИ", "към дата: 08.12.2026",
        {{"код", 200, Qt::AlignLeft}, {"име", 0, Qt::AlignLeft}, {"сума", 250, Qt::AlignRight}},
        numberedRows(rows), orientation, [economy] { return *economy; });
}

TEST(ListPrintJob, PagesTitleRowsAndFooter) {
    bool economy = false;
    ListPrintJob job = makeJob(101, PrinterSettings::Orientation::Portrait, &economy);
    job.SetTotals({"ВСИЧКО:", "", "7 701.00"});
    const PageGeometry a4{2000, 2870};
    EXPECT_EQ(job.RowsPerPage(), 50);
    ASSERT_EQ(job.PageCount(a4), 3);

    RecordingCanvas first;
    job.DrawPage(1, first, a4);
    const auto* title = first.FindText("НАЛИЧНОСТИ");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->font.bold);
    EXPECT_NE(first.FindText("към дата: 08.12.2026"), nullptr);
    EXPECT_NE(first.FindText("Артикул 50"), nullptr);
    EXPECT_EQ(first.FindText("Артикул 51"), nullptr);
    EXPECT_EQ(first.FindText("ВСИЧКО:"), nullptr);

    RecordingCanvas last;
    job.DrawPage(3, last, a4);
    EXPECT_EQ(last.FindText("НАЛИЧНОСТИ"), nullptr);
    EXPECT_NE(last.FindText("-- 3/3 --"), nullptr);
    EXPECT_NE(last.FindText("Артикул 101"), nullptr);
    EXPECT_NE(last.FindText("ВСИЧКО:"), nullptr);

    // The footer on every page, under everything else, in its italic font.
    for (int page = 1; page <= 3; ++page) {
        RecordingCanvas canvas;
        job.DrawPage(page, canvas, a4);
        const auto* footer = canvas.FindText("Тази страница е отпечатена от ПП \"Tarvo\".");
        ASSERT_NE(footer, nullptr) << "page " << page;
        EXPECT_EQ(footer->font, (PrintFont{24, false, true}));
        int above = 0;
        for (const auto& op : canvas.ops) {
            if (op.kind == Kind::Text && op.text != footer->text) {
                EXPECT_LE(op.box.bottom(), footer->box.top());
                ++above;
            }
        }
        EXPECT_GE(above, 10) << "page " << page; // header cells and rows at least
        EXPECT_LE(footer->box.bottom(), a4.height);
    }
}

TEST(ListPrintJob, LandscapeHoldsFortyRowsAndSelectionPrintsOnlyThose) {
    bool economy = false;
    ListPrintJob job = makeJob(81, PrinterSettings::Orientation::Landscape, &economy);
    const PageGeometry landscape{2870, 2000};
    EXPECT_EQ(job.RowsPerPage(), 40);
    EXPECT_EQ(job.PageCount(landscape), 3);
    RecordingCanvas canvas;
    job.DrawPage(3, canvas, landscape);
    EXPECT_NE(canvas.FindText("Артикул 81"), nullptr);
    EXPECT_LE(canvas.OfKind(Kind::Text).back().box.bottom(), landscape.height);

    EXPECT_FALSE(job.HasSelection());
    job.SetSelection({4, 9, 5000});
    EXPECT_TRUE(job.HasSelection());
    const int all = job.PageCount(landscape);
    job.PrintSelectionOnly(true);
    EXPECT_EQ(job.PageCount(landscape), 1);
    RecordingCanvas selected;
    job.DrawPage(1, selected, landscape);
    EXPECT_NE(selected.FindText("Артикул 5"), nullptr);
    EXPECT_NE(selected.FindText("Артикул 10"), nullptr);
    EXPECT_EQ(selected.FindText("Артикул 1"), nullptr);
    job.PrintSelectionOnly(false);
    EXPECT_EQ(job.PageCount(landscape), all);
}

TEST(ListPrintJob, EconomyModeDropsOnlyTheShading) {
    bool economy = false;
    ListPrintJob job = makeJob(3, PrinterSettings::Orientation::Portrait, &economy);
    const PageGeometry a4{2000, 2870};
    RecordingCanvas shaded, plain;
    job.DrawPage(1, shaded, a4);
    economy = true; // read anew for each page
    job.DrawPage(1, plain, a4);

    const auto fills = shaded.OfKind(Kind::Fill);
    ASSERT_FALSE(fills.empty());
    for (const auto& fill : fills)
        EXPECT_EQ(fill.colour, QColor(220, 220, 220));
    EXPECT_TRUE(plain.OfKind(Kind::Fill).empty());
    EXPECT_EQ(shaded.Texts(), plain.Texts());
    EXPECT_EQ(shaded.OfKind(Kind::Frame).size(), plain.OfKind(Kind::Frame).size());
    EXPECT_EQ(shaded.OfKind(Kind::Line).size(), plain.OfKind(Kind::Line).size());
}

TEST(PageFrame, TheDoubleRuleIsLeftOutInEconomyMode) {
    RecordingCanvas normal, economy;
    PageFrame(normal, PageGeometry{2000, 2870}, false).DoubleRule(282, 288);
    PageFrame(economy, PageGeometry{2000, 2870}, true).DoubleRule(282, 288);
    EXPECT_EQ(normal.OfKind(Kind::Line).size(), 2u);
    EXPECT_TRUE(economy.ops.empty());
}

TEST(ListPrintJob, ANarrowerPageNarrowsTheSharedColumnOnly) {
    bool economy = false;
    ListPrintJob job = makeJob(2, PrinterSettings::Orientation::Portrait, &economy);
    const auto wide = job.ColumnEdges(50, 1900);
    const auto narrow = job.ColumnEdges(50, 1800);
    EXPECT_EQ(wide[1] - wide[0], 200);
    EXPECT_EQ(narrow[1] - narrow[0], 200);
    EXPECT_EQ(wide[3] - wide[2], 250);
    EXPECT_EQ(narrow[3] - narrow[2], 250);
    EXPECT_EQ((wide[2] - wide[1]) - (narrow[2] - narrow[1]), 100);

    RecordingCanvas canvas;
    job.DrawPage(1, canvas, PageGeometry{1900, 2870});
    const auto fills = canvas.OfKind(Kind::Fill);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front().box.width(), 1900 - 2 * PageFrame::kMargin); // the title band
}

TEST(ListPrintJob, APdfCarriesTheCyrillicTexts) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    bool economy = false;
    ListPrintJob job = makeJob(60, PrinterSettings::Orientation::Portrait, &economy);
    const QString pdf = dir.filePath("списък.pdf");
    ASSERT_TRUE(WriteJobToPdf(job, pdf));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("НАЛИЧНОСТИ"));
    EXPECT_TRUE(text.contains("Артикул 60"));
    EXPECT_TRUE(text.contains("-- 2/2 --")) << text.toStdString();
    EXPECT_EQ(text.count("Тази страница е отпечатена от ПП \"Tarvo\"."), 2);
    EXPECT_FALSE(WriteJobToPdf(job, dir.filePath("няма/списък.pdf")));
}

} // namespace
