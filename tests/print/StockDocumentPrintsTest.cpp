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
    EXPECT_TRUE(second.Texts().contains("ПРОИЗВОДСТВО НА ИЗДЕЛИЯ № 0000000003   -- 2/2 --"));
    for (const auto& op : second.ops)
        EXPECT_LE(op.box.bottom(), kA4.height);
}

TEST(StockDocumentPrints, TheProtocolPrintsTheLinesGivenWithBothSignatureBlocks) {
    StocktakingDocument doc;
    doc.docId = 4;
    doc.date = QDate(2026, 12, 8);
    for (int i = 0; i < 3; ++i)
        doc.lines.push_back({QString("G%1").arg(i), "Стока", 1, "Стоки", "бр.", 10, 12.5, 10, 2, 3, 4});
    const auto job = StocktakingProtocol(doc, {0, 2}, {});
    const QStringList texts = allTexts(*job);
    EXPECT_TRUE(texts.contains("ПРОТОКОЛ ЗА ИЗВЪРШЕНА ИНВЕНТАРИЗАЦИЯ № 0000000004"));
    EXPECT_TRUE(texts.contains("от дата 08.12.2026"));
    EXPECT_TRUE(texts.contains("G2"));
    EXPECT_FALSE(texts.contains("G1"));
    EXPECT_EQ(texts.count("2.500"), 2);
    EXPECT_EQ(texts.filter("ОТГОВОРНО ЛИЦЕ:").size(), 1);
    EXPECT_EQ(texts.filter("КОМИСИЯ В СЪСТАВ:\n\n1. ").size(), 1);
}

} // namespace
