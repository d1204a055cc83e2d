// The printed warranty card on a recording canvas: the head image, the
// conditions above or below the table, and the flow of rows, conditions and
// signatures over the pages.
#include "print/PageFrame.h"
#include "print/WarrantyCardJob.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
const QString kConditions = "УСЛОВИЯ: гаранцията не покрива механични повреди.";
const QString kSignature = " ПРИЕЛ: Иван\n\n ........................................................\n (подпис)";

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
    card.conditions = kConditions;
    for (int i = 0; i < lines; ++i)
        card.lines.push_back({"G1", "Кабел", "м", 1, QString("SN-%1").arg(i + 1), 24, QString()});
    return card;
}

int topOf(const RecordingCanvas& canvas, const QString& text) {
    const RecordingCanvas::Op* op = canvas.FindText(text);
    return op ? op->box.top() : -1;
}

// Every page of the card drawn on its own canvas.
std::vector<RecordingCanvas> pagesOf(const WarrantyCard& card, const QImage& head = QImage()) {
    const PageGeometry page;
    WarrantyCardJob job(card, head, nullptr);
    std::vector<RecordingCanvas> pages(static_cast<size_t>(job.PageCount(page)));
    for (size_t k = 0; k < pages.size(); ++k)
        job.DrawPage(static_cast<int>(k) + 1, pages[k], page);
    return pages;
}

// Nothing is drawn below the bottom margin.
void expectInsidePage(const RecordingCanvas& canvas) {
    for (const RecordingCanvas::Op& op : canvas.ops)
        EXPECT_LE(op.box.bottom(), PageGeometry().height - PageFrame::kMargin) << op.text.toStdString();
}
} // namespace

TEST(WarrantyCardPrint, HeadImageConditionsAndPlacement) {
    QImage head(400, 100, QImage::Format_RGB32);
    head.fill(Qt::white);
    const std::vector<RecordingCanvas> above = pagesOf(cardOf(3, WarrantyCard::AboveTable), head);
    ASSERT_EQ(above.size(), 1u);
    ASSERT_EQ(above[0].OfKind(RecordingCanvas::Kind::Image).size(), 1u);
    for (const char* text :
         {"ГАРАНЦИОННА КАРТА № 0000000004", "от дата 08.12.2026", "КЛИЕНТ: Д'Артанян ООД",
          "КЪМ ДОК. № 0000000012 (стокова р-ка)", "ПРИЕЛ: Иван", "ГАР. СРОК В МЕСЕЦИ: 24", "SN-3"})
        EXPECT_NE(above[0].FindText(text), nullptr) << text;
    EXPECT_LT(topOf(above[0], kConditions), topOf(above[0], "сериен номер"));

    // Below the table, and no head block when the image is missing; the
    // signature frame keeps its distance from the conditions.
    const std::vector<RecordingCanvas> below = pagesOf(cardOf(3, WarrantyCard::BelowTable));
    ASSERT_EQ(below.size(), 1u);
    EXPECT_TRUE(below[0].OfKind(RecordingCanvas::Kind::Image).empty());
    EXPECT_GT(topOf(below[0], kConditions), topOf(below[0], "SN-3"));
    const int conditionsBottom = below[0].FindText(kConditions)->box.bottom();
    for (const RecordingCanvas::Op& frame : below[0].OfKind(RecordingCanvas::Kind::Frame))
        EXPECT_TRUE(frame.box.top() <= conditionsBottom || frame.box.top() >= conditionsBottom + 10);
}

TEST(WarrantyCardPrint, RowsConditionsAndSignaturesFlowOverThePages) {
    // Sixty lines use the first page to its foot rather than stopping at 30.
    const std::vector<RecordingCanvas> sixty = pagesOf(cardOf(60, WarrantyCard::BelowTable));
    ASSERT_EQ(sixty.size(), 2u);
    EXPECT_NE(sixty[0].FindText("SN-45"), nullptr);
    EXPECT_EQ(sixty[0].FindText(kSignature), nullptr);
    EXPECT_NE(sixty[1].FindText("SN-60"), nullptr);
    EXPECT_GT(topOf(sixty[1], kSignature), topOf(sixty[1], kConditions));

    // Ten numbered conditions of a normal card and a long card's sixty
    // conditions: every line printed once, in order, signatures after them.
    for (int count : {10, 60}) {
        WarrantyCard card = cardOf(20, WarrantyCard::BelowTable);
        QStringList conditions;
        for (int k = 1; k <= count; ++k)
            conditions << QString("%1. Гаранцията отпада при повреда от неправилна употреба, токов удар или намеса.")
                              .arg(k);
        card.conditions = conditions.join('\n');
        const std::vector<RecordingCanvas> pages = pagesOf(card);
        QString printed;
        for (const RecordingCanvas& page : pages) {
            expectInsidePage(page);
            for (const QString& text : page.Texts())
                if (text.contains("Гаранцията отпада") || text.contains("намеса"))
                    printed += text + ' ';
        }
        for (const QString& condition : conditions)
            EXPECT_TRUE(printed.simplified().contains(condition)) << condition.toStdString();
        EXPECT_NE(pages.back().FindText(kSignature), nullptr);
        EXPECT_EQ(pages.size(), count == 10 ? 1u : 2u);
    }
}

TEST(WarrantyCardPrint, LongSerialsNamesAndRemarksWrapWhole) {
    WarrantyCard card = cardOf(2, WarrantyCard::AboveTable);
    const QString serial = "SN: ABCD-1234-EF56-7890-XYZW";
    card.lines[0].serial = serial;
    card.lines[0].notes = "без забележки";
    card.lines[1].name = "Професионален перфоратор с куфар, резервни четки и удължен кабел за работа на открито";
    const std::vector<RecordingCanvas> pages = pagesOf(card);
    ASSERT_EQ(pages.size(), 1u);
    const QString all = pages[0].Texts().join(' ');
    EXPECT_FALSE(all.contains("…"));
    // A column's lines, top to bottom, give each text whole.
    const auto column = [&](int left, int width) {
        QStringList texts;
        for (const RecordingCanvas::Op& op : pages[0].OfKind(RecordingCanvas::Kind::Text))
            if (op.box.left() >= left && op.box.right() < left + width && op.box.top() > topOf(pages[0], "код"))
                texts << op.text;
        return texts.join("").remove(' ');
    };
    EXPECT_EQ(column(50 + 70 + 200 + 540 + 150 + 110, 360), QString(serial + "SN-2").remove(' '));
    EXPECT_EQ(column(2000 - 50 - 290, 290), "беззабележки");
    EXPECT_EQ(column(50 + 70 + 200, 540), QString("Кабел" + card.lines[1].name).remove(' '));
}
