#include "print/StockDocumentPrints.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

const PageGeometry kA4{2000, 2870};

ProductionDocument production(int products) {
    ProductionDocument doc;
    doc.docId = 3;
    doc.date = QDate(2026, 12, 8);
    doc.producedBy = "Д'Ор";
    for (int i = 0; i < products; ++i)
        doc.lines.push_back({i + 1, QString("P%1").arg(i + 1), "Изделие", 1, "бр.", 2, 4.5, {}});
    doc.materials.push_back({"M1", "Мед", "кг", 10, 2.1, 0.5});
    return doc;
}

QStringList allTexts(ListPrintJob& job) {
    QStringList texts;
    for (int page = 1; page <= job.PageCount(kA4); ++page) {
        RecordingCanvas canvas;
        job.DrawPage(page, canvas, kA4);
        texts << canvas.Texts();
    }
    return texts;
}

TEST(StockDocumentPrints, ProductionPrintsProductsMaterialsTotalsAndSignatures) {
    const auto job = ProductionPrint(production(2), {});
    ASSERT_EQ(job->PageCount(kA4), 1);
    const QStringList texts = allTexts(*job);
    for (const char* text : {"ПРОИЗВОДСТВО НА ИЗДЕЛИЯ № 0000000003", "от дата 08.12.2026, изработил: Д'Ор",
                             "P2", "ВЛОЖЕНИ МАТЕРИАЛИ:", "2.100", "1.05", "18.00", "изделия / материали"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_EQ(texts.filter("ИЗРАБОТИЛ: Д'Ор").size(), 1);
    EXPECT_EQ(texts.filter("ПРИЕЛ В СКЛАДА:").size(), 1);
}

TEST(StockDocumentPrints, SignaturesWithoutRoomTakeAPageOfTheirOwn) {
    // 47 products, the heading and a material fill a portrait page of 50 rows.
    const auto job = ProductionPrint(production(47), {});
    ASSERT_EQ(job->PageCount(kA4), 2);
    RecordingCanvas first, second;
    job->DrawPage(1, first, kA4);
    job->DrawPage(2, second, kA4);
    EXPECT_TRUE(first.Texts().filter("ИЗРАБОТИЛ").isEmpty());
    EXPECT_EQ(second.Texts().filter("ИЗРАБОТИЛ").size(), 1);
    EXPECT_TRUE(second.Texts().contains("-- 2/2 --"));
    for (const auto& op : second.ops)
        EXPECT_LE(op.box.bottom(), kA4.height);
}

} // namespace
