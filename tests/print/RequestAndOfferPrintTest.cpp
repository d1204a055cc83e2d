// The printed supplier request in both languages and over several pages, and
// the printed offer with its totals and closing texts; one PDF of each read
// back as text.
#include "print/OfferJob.h"
#include "print/SupplierRequestJob.h"
#include "support/RecordingCanvas.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const PageGeometry kA4;

RequestPrintout requestOf(int lines, bool withPrices, int language) {
    RequestPrintout p;
    p.language = language;
    SupplierRequest& r = p.request;
    r.number = 7;
    r.date = QDate(2026, 12, 8);
    r.partnerName = "Д'Артанян ООД";
    r.preparedBy = "Мария";
    r.carrier = "Спиди";
    r.notes = "Доставка до 15-о число";
    r.hasPrices = withPrices;
    r.currency = "EUR";
    for (int i = 0; i < lines; ++i)
        r.lines.push_back({i + 1, QString("Артикул %1").arg(i + 1), "G1", i == 0 ? "A'1" : "", "м", 2,
                           withPrices ? 1.5 : 0.0, withPrices ? 3.0 : 0.0, "спешно", 3});
    p.supplier = {"Д'Артанян ООД", "Варна", "ул. Първа 1", "123", "BG123", "О'Нийл"};
    p.firm = {"Тарво ООД", "Русе", "ул. Дунав 5", "111222333", "BG111222333", "Петър Петров"};
    return p;
}

QStringList allTexts(PrintJob& job) {
    QStringList texts;
    for (int page = 1; page <= job.PageCount(kA4); ++page) {
        RecordingCanvas canvas;
        job.DrawPage(page, canvas, kA4);
        texts << canvas.Texts();
    }
    return texts;
}

QString pdfText(PrintJob& job) {
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.pdf");
    if (!WriteJobToPdf(job, path))
        return QString();
    return PdfText(path);
}
} // namespace

TEST(RequestPrint, BulgarianLayoutWithPricesAndEveryText) {
    SupplierRequestJob job(requestOf(3, true, 0), nullptr);
    ASSERT_EQ(job.PageCount(kA4), 1);
    const QStringList texts = allTexts(job);
    for (const char* text : {"ЗАЯВКА",
                             "№ 0000000007\nОТ ДАТА: 08.12.2026",
                             "СТРАНИЦА 1",
                             "ДОСТАВЧИК",
                             "ПОЛУЧАТЕЛ",
                             "Име: Д'Артанян ООД",
                             "Населено място: Варна",
                             "Адрес: ул. Първа 1",
                             "Ид. №: 123",
                             "Ид. № по ЗДДС: BG123",
                             "М.О.Л.: О'Нийл",
                             "Име: Тарво ООД",
                             "М.О.Л.: Петър Петров",
                             "ном. код",
                             "наименование на артикула",
                             "мярка",
                             "к-во",
                             "ед. цена",
                             "общо",
                             "забележки",
                             "ВСИЧКО (EUR):",
                             "9.00 ",
                             " A'1",
                             " G1",
                             "1.50 ",
                             "ЗАБЕЛЕЖКИ: Доставка до 15-о число"})
        EXPECT_TRUE(texts.contains(text)) << text;
    const auto signedBy = [&texts](const QString& start) {
        for (const QString& text : texts)
            if (text.startsWith(start) && text.endsWith("(подпис)"))
                return true;
        return false;
    };
    EXPECT_TRUE(signedBy("изготвил: Мария"));
    EXPECT_TRUE(signedBy("превозвач: Спиди"));

    // The number and its date stand inside the shaded band.
    RecordingCanvas page;
    job.DrawPage(1, page, kA4);
    const QRect band = page.OfKind(RecordingCanvas::Kind::Fill).front().box;
    EXPECT_TRUE(band.contains(page.FindText("№ 0000000007\nОТ ДАТА: 08.12.2026")->box)) << band.height();
}

TEST(RequestPrint, WithoutPricesThePriceColumnsAndTotalStayOff) {
    SupplierRequestJob job(requestOf(3, false, 0), nullptr);
    const QStringList texts = allTexts(job);
    EXPECT_FALSE(texts.contains("ед. цена"));
    EXPECT_FALSE(texts.contains("общо"));
    EXPECT_FALSE(texts.contains("ВСИЧКО (EUR):"));
    EXPECT_TRUE(texts.contains("к-во"));
}

TEST(RequestPrint, EnglishLayout) {
    SupplierRequestJob job(requestOf(2, true, 1), nullptr);
    const QStringList texts = allTexts(job);
    for (const char* text :
         {"REQUEST", "No. 0000000007\nDATE: 08.12.2026", "PAGE 1", "SUPPLIER", "RECIPIENT", "Name: Тарво ООД",
          "City: Русе", "VAT No.: BG111222333", "Manager: Петър Петров", "code", "item description", "unit",
          "qty", "unit price", "amount", "notes", "TOTAL (EUR):", "NOTES: Доставка до 15-о число"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_FALSE(texts.join('|').contains("ЗАЯВКА"));
    EXPECT_FALSE(texts.join('|').contains("(подпис)"));
}

TEST(RequestPrint, AHundredLinesTakeThreePagesEachWithItsHeader) {
    SupplierRequestJob job(requestOf(100, true, 0), nullptr);
    ASSERT_EQ(job.PageCount(kA4), 3);
    RecordingCanvas third;
    job.DrawPage(3, third, kA4);
    EXPECT_NE(third.FindText("СТРАНИЦА 3"), nullptr);
    EXPECT_NE(third.FindText("ЗАЯВКА"), nullptr);
    EXPECT_EQ(third.FindText("ДОСТАВЧИК"), nullptr);
    EXPECT_NE(third.FindText(" Артикул 100"), nullptr);
    EXPECT_NE(third.FindText("300.00 "), nullptr);
    // Every line is printed once.
    const QStringList texts = allTexts(job);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(texts.count(QString(" Артикул %1").arg(i)), 1) << i;
}

TEST(OfferPrint, EveryTextOfTheOffer) {
    Offer offer;
    offer.number = 3;
    offer.date = QDate(2026, 12, 8);
    offer.toPerson = "г-н О'Брайън";
    offer.subtitle = "кабели";
    offer.note = "цените са без транспорт";
    offer.validity = "31.12.2026";
    offer.signedBy = "Иван Иванов";
    offer.vatUsed = true;
    offer.discount = 10;
    offer.lines.push_back({1, "Кабел", "м", 2, 50, QString()});
    OfferJob job(offer, 20, nullptr);
    ASSERT_EQ(job.PageCount(kA4), 1);
    const QStringList texts = allTexts(job);
    for (const char* text : {"О Ф Е Р Т А", "за: кабели", "№ 0000000003", "На вниманието на г-н О'Брайън",
                             "наименование", "мярка", "количество", "ед. цена", "стойност", " СУМА:",
                             " - TO 10%:", " ДДС 20%:", " ВСИЧКО:", "100.00 ", "10.00 ", "18.00 ", "108.00 "})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_TRUE(
        texts.contains("Дата на съставяне: 08.12.2026\nВалидност до: 31.12.2026\nЗабележки: цените са "
                       "без транспорт\n\nС уважение: ......................................\nИван Иванов"))
        << texts.join('|').toStdString();

    // A fraction of a per cent prints as it was computed; no VAT, no rate.
    offer.discount = 2.5;
    offer.vatUsed = false;
    OfferJob fraction(offer, 20, nullptr);
    const QStringList second = allTexts(fraction);
    EXPECT_TRUE(second.contains(" - TO 2.5%:"));
    EXPECT_TRUE(second.contains(" ДДС 0%:"));
    EXPECT_TRUE(second.contains("97.50 "));

    // A subtitle and an addressee wider than the page wrap: every word prints.
    offer.subtitle = QString("кабели и удължители за строителни обекти ").repeated(4).trimmed();
    offer.toPerson = QString("г-н Константин Александров Петров, управител ").repeated(3).trimmed();
    OfferJob wide(offer, 20, nullptr);
    const QString printed = allTexts(wide).join(' ');
    for (const QString& word : (offer.subtitle + " " + offer.toPerson).split(' '))
        EXPECT_TRUE(printed.contains(word)) << word.toStdString();
    EXPECT_FALSE(printed.contains("…"));

    // Long item names wrap in taller rows; forty of them still keep every
    // word and stay above the footer of their pages.
    const QString longName = "Кабел меден многожичен ПВ-А2 2x1.5 кв.мм за вътрешни инсталации, черен, на барабан";
    offer.lines.assign(40, {1, longName, "м", 2, 50, QString()});
    OfferJob named(offer, 20, nullptr);
    EXPECT_GT(named.PageCount(kA4), 1);
    QString names;
    for (int page = 1; page <= named.PageCount(kA4); ++page) {
        RecordingCanvas canvas;
        named.DrawPage(page, canvas, kA4);
        for (const RecordingCanvas::Op& op : canvas.ops)
            EXPECT_LE(op.box.bottom(), kA4.height - 50);
        for (const QString& text : canvas.Texts())
            if (longName.contains(text.trimmed()) && !text.trimmed().isEmpty())
                names += text.trimmed() + ' ';
    }
    EXPECT_EQ(names.count("черен, на барабан"), 40);
    EXPECT_EQ(names.count("Кабел меден"), 40);
}

TEST(RequestPrint, PdfsReadBackTheirCyrillicTexts) {
    SupplierRequestJob request(requestOf(45, true, 0), nullptr);
    const QString text = pdfText(request);
    EXPECT_TRUE(text.contains("ЗАЯВКА"));
    EXPECT_TRUE(text.contains("СТРАНИЦА 2"));
    EXPECT_TRUE(text.contains("ВСИЧКО (EUR):"));
    EXPECT_TRUE(text.contains("Артикул 45"));

    Offer offer;
    offer.number = 1;
    offer.subtitle = "кабели";
    offer.lines.push_back({1, "Кабел", "м", 2, 50, QString()});
    OfferJob job(offer, 20, nullptr);
    const QString offerText = pdfText(job);
    // The spaced title may come back with other spacing.
    EXPECT_TRUE(QString(offerText).remove(QChar(' ')).contains("ОФЕРТА"));
    EXPECT_TRUE(offerText.contains("С уважение:"));
}
