#include "print/DeliveryReceiptJob.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

using Kind = RecordingCanvas::Kind;

namespace {

const PageGeometry kA4{2000, 2870};

DeliveryPrintout receipt(int lines, bool supplierRegistered) {
    DeliveryPrintout p;
    p.numberText = "0000000015";
    p.doc.header.docDate = QDate(2026, 12, 8);
    p.doc.header.givenBy = "О'Нийл";
    p.doc.header.receivedBy = "Мария";
    p.doc.header.discount = 10;
    p.doc.supplier.name = "Д'Артанян ООД";
    p.doc.supplier.city = "Варна";
    p.doc.supplier.taxId = "123";
    p.doc.supplier.bulstat = "BG123";
    p.doc.supplier.mol = "О'Нийл";
    p.doc.supplier.vatRegistered = supplierRegistered ? 1 : 0;
    p.doc.firm.name = "Тарво ООД";
    p.doc.firm.vatRegistered = 1;
    p.doc.firm.vatRate = 20;
    for (int i = 0; i < lines; ++i)
        p.doc.lines.push_back(
            {i + 1, QString("G%1").arg(i + 1), QString("Стока %1").arg(i + 1), 1, "бр.", 2.5, 4.00, 10.00});
    p.totals = Deliveries::Totals(p.doc);
    return p;
}

std::vector<RecordingCanvas> drawAll(DeliveryReceiptJob& job) {
    std::vector<RecordingCanvas> pages(static_cast<size_t>(job.PageCount(kA4)));
    for (size_t k = 0; k < pages.size(); ++k)
        job.DrawPage(static_cast<int>(k) + 1, pages[k], kA4);
    return pages;
}

// The item codes drawn on a page, in order.
QStringList codes(const RecordingCanvas& canvas) {
    QStringList drawn;
    for (const QString& text : canvas.Texts())
        if (text.startsWith(" G"))
            drawn << text.mid(1);
    return drawn;
}

} // namespace

TEST(DeliveryReceiptJob, OnePageHoldsTitlePartiesLinesTotalsAndSignatures) {
    DeliveryReceiptJob job(receipt(3, true), {});
    ASSERT_EQ(job.PageCount(kA4), 1);
    RecordingCanvas page;
    job.DrawPage(1, page, kA4);
    for (const char* text :
         {"СКЛАДОВА РАЗПИСКА", "НОМЕР: 0000000015, ДАТА: 08.12.2026", "ДОСТАВЧИК", " Фирма: Д'Артанян ООД",
          " Ид. № 123", " Ид. № по ЗДДС: BG123", "ПОЛУЧАТЕЛ", " Фирма: Тарво ООД", "к-во", "2.500 ", "СУМА ",
          "30.00 ", "- T.O. 10% ", "3.00 ", " ДДС 20% ", "5.40 ", "ВСИЧКО ", "32.40 "})
        EXPECT_NE(page.FindText(text), nullptr) << text;
    EXPECT_EQ(codes(page), QStringList({"G1", "G2", "G3"}));
    // Both registered: each line shows its VAT, 10.00 less 10 % at 20 %.
    EXPECT_NE(page.FindText("ДДС"), nullptr);
    EXPECT_EQ(page.Texts().count("1.80 "), 3);
    const QStringList texts = page.Texts();
    EXPECT_TRUE(texts.filter(" Стоките са получени на: 08.12.2026\n От: Мария").size() == 1);
    EXPECT_TRUE(texts.filter("Прот. за несъотв.").size() == 1);
    EXPECT_TRUE(texts.filter(" Стоките са предадени от: О'Нийл\n").size() == 1);
    // Everything stays on the paper.
    for (const auto& op : page.ops)
        EXPECT_LE(op.box.right(), kA4.width);
}

TEST(DeliveryReceiptJob, LinesRunOverPagesWithTheirPageLine) {
    DeliveryReceiptJob job(receipt(45, false), {});
    const std::vector<RecordingCanvas> pages = drawAll(job);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(codes(pages[0]).size(), 40);
    EXPECT_EQ(codes(pages[1]), QStringList({"G41", "G42", "G43", "G44", "G45"}));
    EXPECT_EQ(pages[1].Texts().filter("СТРАНИЦА"),
              QStringList("СТРАНИЦА 2 ОТ СКЛАДОВА РАЗПИСКА № 0000000015 / 08.12.2026"));
    EXPECT_EQ(pages[0].Texts().filter("ВСИЧКО"), QStringList());
    EXPECT_EQ(pages[1].Texts().filter("ВСИЧКО"), QStringList("ВСИЧКО "));
    // No VAT between a registered firm and an unregistered supplier.
    EXPECT_EQ(pages[0].FindText("ДДС"), nullptr);
    EXPECT_NE(pages[1].FindText(" ДДС 20% "), nullptr);
    EXPECT_NE(pages[1].FindText("0.00 "), nullptr);
    for (const RecordingCanvas& page : pages)
        for (const auto& op : page.ops)
            EXPECT_LE(op.box.bottom(), kA4.height);
}

TEST(DeliveryReceiptJob, EconomyModeFramesTheTotalsLabelsWithoutShading) {
    bool economy = false;
    DeliveryReceiptJob job(receipt(2, true), [&economy] { return economy; });
    auto labelShaded = [&job] {
        RecordingCanvas page;
        job.DrawPage(1, page, kA4);
        const auto* label = page.FindText("ВСИЧКО ");
        EXPECT_NE(label, nullptr);
        bool shaded = false, framed = false;
        for (const auto& op : page.ops) {
            if (label && op.box.contains(label->box.center())) {
                shaded = shaded || op.kind == Kind::Fill;
                framed = framed || op.kind == Kind::Frame;
            }
        }
        EXPECT_TRUE(framed);
        return shaded;
    };
    EXPECT_TRUE(labelShaded());
    economy = true; // read anew for the next page drawn
    EXPECT_FALSE(labelShaded());
}
