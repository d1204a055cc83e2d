// The printed warranty card on a recording canvas: the head image, the
// conditions above or below the table, and a card of two pages.
#include "print/PageFrame.h"
#include "print/WarrantyCardJob.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
WarrantyCard cardOf(int lines, int placement) {
    WarrantyCard card;
    card.number = 4;
    card.date = QDate(2026, 12, 8);
    card.customerName = "Д'Артанян ООД";
    card.receivedBy = "Иван";
    card.term = 24;
    card.baseKind = WarrantyCard::GoodsNote;
    card.baseNumber = 12;
    card.placement = placement;
    card.conditions = "УСЛОВИЯ: гаранцията не покрива механични повреди.";
    for (int i = 0; i < lines; ++i)
        card.lines.push_back({"G1", "Кабел", "м", 1, QString("SN-%1").arg(i + 1), 24, QString()});
    return card;
}

int topOf(const RecordingCanvas& canvas, const QString& text) {
    const RecordingCanvas::Op* op = canvas.FindText(text);
    return op ? op->box.top() : -1;
}
} // namespace

TEST(WarrantyCardPrint, HeadImageConditionsAndPages) {
    const PageGeometry page;
    QImage head(400, 100, QImage::Format_RGB32);
    head.fill(Qt::white);

    WarrantyCardJob above(cardOf(3, WarrantyCard::AboveTable), head, nullptr);
    EXPECT_EQ(above.PageCount(page), 1);
    RecordingCanvas first;
    above.DrawPage(1, first, page);
    ASSERT_EQ(first.OfKind(RecordingCanvas::Kind::Image).size(), 1u);
    for (const char* text :
         {"ГАРАНЦИОННА КАРТА № 0000000004", "от дата 08.12.2026", "КЛИЕНТ: Д'Артанян ООД",
          "КЪМ ДОК. № 0000000012 (стокова р-ка)", "ПРИЕЛ: Иван", "ГАР. СРОК В МЕСЕЦИ: 24", " SN-3"})
        EXPECT_NE(first.FindText(text), nullptr) << text;
    const QString conditions = "УСЛОВИЯ: гаранцията не покрива механични повреди.";
    EXPECT_LT(topOf(first, conditions), topOf(first, "сериен номер"));

    // Below the table, and no head block when the image is missing.
    WarrantyCardJob below(cardOf(3, WarrantyCard::BelowTable), QImage(), nullptr);
    RecordingCanvas plain;
    below.DrawPage(1, plain, page);
    EXPECT_TRUE(plain.OfKind(RecordingCanvas::Kind::Image).empty());
    EXPECT_GT(topOf(plain, conditions), topOf(plain, " SN-3"));

    // Forty lines: two pages, the rest and the conditions on the second.
    WarrantyCardJob longCard(cardOf(40, WarrantyCard::BelowTable), head, nullptr);
    ASSERT_EQ(longCard.PageCount(page), 2);
    RecordingCanvas second;
    longCard.DrawPage(2, second, page);
    EXPECT_NE(second.FindText(" SN-40"), nullptr);
    EXPECT_EQ(second.FindText(" SN-1"), nullptr);
    EXPECT_NE(second.FindText(conditions), nullptr);
    EXPECT_TRUE(second.OfKind(RecordingCanvas::Kind::Image).empty());
    // The signatures close the last page only, below the conditions, and
    // stay on the paper under a full page of lines.
    const QString signature =
        " ПРИЕЛ: Иван\n\n ........................................................\n (подпис)";
    RecordingCanvas firstOfTwo;
    longCard.DrawPage(1, firstOfTwo, page);
    EXPECT_EQ(firstOfTwo.FindText(signature), nullptr);
    EXPECT_GT(topOf(second, signature), topOf(second, conditions));
    WarrantyCardJob full(cardOf(30 + 45, WarrantyCard::BelowTable), head, nullptr);
    ASSERT_EQ(full.PageCount(page), 3); // the conditions do not fit under 45 lines
    WarrantyCardJob fullAbove(cardOf(30 + 45, WarrantyCard::AboveTable), head, nullptr);
    ASSERT_EQ(fullAbove.PageCount(page), 2);
    RecordingCanvas fullPage;
    fullAbove.DrawPage(2, fullPage, page);
    ASSERT_NE(fullPage.FindText(signature), nullptr);
    EXPECT_LT(fullPage.FindText(signature)->box.bottom(), page.height - PageFrame::kMargin);
    // The fullest last page below: its lines, eight lines of conditions and the signatures.
    WarrantyCard crowded = cardOf(30 + 45 - 8, WarrantyCard::BelowTable);
    crowded.conditions = QStringList(10, "Условие.").join('\n');
    WarrantyCardJob crowdedJob(crowded, head, nullptr);
    ASSERT_EQ(crowdedJob.PageCount(page), 2);
    RecordingCanvas crowdedPage;
    crowdedJob.DrawPage(2, crowdedPage, page);
    ASSERT_NE(crowdedPage.FindText(signature), nullptr);
    EXPECT_LT(crowdedPage.FindText(signature)->box.bottom(), page.height - PageFrame::kMargin);
    // Conditions that do not fit under a full last page get a page of their own.
    EXPECT_EQ(WarrantyCardJob(cardOf(28, WarrantyCard::BelowTable), head, nullptr).PageCount(page), 2);
    EXPECT_EQ(WarrantyCardJob(cardOf(28, WarrantyCard::AboveTable), head, nullptr).PageCount(page), 1);
}
