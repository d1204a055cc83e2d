#include "print/SaleDocumentJob.h"

#include "print/CellText.h"

#include "support/RecordingCanvas.h"
#include "support/PdfText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Kind = RecordingCanvas::Kind;

namespace {

const PageGeometry kA4{2000, 2870};

SalePrintout printout(SaleOp op, int lines) {
    SalePrintout p;
    p.op = op;
    p.numberText = "0000000042";
    p.header.docDate = QDate(2026, 12, 8);
    p.header.place = "Русе";
    p.header.object = "Магазин";
    p.header.osnovanie = "продажба";
    p.header.receivedBy = "Приел";
    p.header.givenBy = "Предал";
    p.header.compiledBy = "Съставил";
    p.header.recvDate = QDate(2026, 12, 9);
    p.header.payDate = QDate(2026, 12, 10);
    p.header.taxEventDate = QDate(2026, 12, 8);
    p.header.osnovanieVat = "чл. 113";
    p.header.toInvoice = 7;
    p.header.toInvoiceDate = "2026-11-30";
    p.customer = {"Алфа ООД", "Варна", "ул. Първа 1", "Иван", "123", "BG123"};
    p.firm.name = "Тарво ООД";
    p.firm.vatRate = 20;
    p.bank = {1, "Банка ДСК", "", "STSABGSF", "BG80STSA93000012345678"};
    for (int i = 0; i < lines; ++i) {
        SaleLine line;
        line.seq = i + 1;
        line.code = QString("G%1").arg(i + 1);
        line.name = QString("Стока %1").arg(i + 1);
        line.units = "бр.";
        line.quantity = i == 0 ? 2.5 : 5;
        line.price = 1.25;
        p.lines.push_back(line);
    }
    p.sum = "120.00";
    p.discount = "12.00";
    p.base = "108.00";
    p.vat = "21.60";
    p.total = "129.60";
    p.words = "сто двадесет и девет лв. и 60 ст.";
    return p;
}

// The running line numbers drawn on a page.
std::vector<int> rowNumbers(const RecordingCanvas& canvas) {
    std::vector<int> numbers;
    for (const auto& op : canvas.ops) {
        bool isNumber = false;
        const int n = op.text.toInt(&isNumber);
        // Only the cells of the number column start at the left margin.
        if (op.kind == Kind::Text && isNumber && op.box.left() == 50 + kCellPadding && op.box.width() == 75 - 2 * kCellPadding)
            numbers.push_back(n);
    }
    return numbers;
}

std::vector<RecordingCanvas> drawAll(SaleDocumentJob& job, const PageGeometry& page) {
    std::vector<RecordingCanvas> pages(static_cast<size_t>(job.PageCount(page)));
    for (size_t k = 0; k < pages.size(); ++k)
        job.DrawPage(static_cast<int>(k) + 1, pages[k], page);
    return pages;
}

bool has(const RecordingCanvas& canvas, const QString& text) {
    return canvas.FindText(text) != nullptr;
}

} // namespace

TEST(SaleDocumentJob, LinesSpreadOverPagesByTheA4Rule) {
    struct Case {
        int lines;
        std::vector<DocumentPage> pages;
    };
    const Case cases[] = {
        {30, {{0, 30, true, true}}},
        {31, {{0, 31, false, false}, {31, 0, true, true}}},
        {50, {{0, 40, false, false}, {40, 10, true, true}}},
        {80, {{0, 40, false, false}, {40, 40, true, true}}},
        {81, {{0, 40, false, false}, {40, 41, false, false}, {81, 0, true, true}}},
        {131, {{0, 40, false, false}, {40, 50, false, false}, {90, 41, false, false}, {131, 0, true, true}}},
    };
    for (const Case& c : cases) {
        SaleDocumentJob job(printout(SaleOp::InvoiceWithNote, c.lines), SalePrintOptions{});
        EXPECT_EQ(job.Pages(kA4), c.pages) << c.lines << " lines";
        // Every line is drawn once, numbered on from page to page.
        std::vector<int> numbers;
        for (const RecordingCanvas& page : drawAll(job, kA4)) {
            const std::vector<int> drawn = rowNumbers(page);
            numbers.insert(numbers.end(), drawn.begin(), drawn.end());
        }
        ASSERT_EQ(static_cast<int>(numbers.size()), c.lines);
        for (int k = 0; k < c.lines; ++k)
            EXPECT_EQ(numbers[static_cast<size_t>(k)], k + 1);
    }
    EXPECT_EQ(DocumentRowsPerPage(0), std::vector<int>{0});
    EXPECT_EQ(DocumentRowsPerPage(130), (std::vector<int>{40, 50, 40}));
}

TEST(SaleDocumentJob, AShortPageLosesNoRowAndKeepsEverythingOnThePaper) {
    for (const PageGeometry page :
         {PageGeometry{1900, 2400}, PageGeometry{2059, 2640}, PageGeometry{2000, 1200}}) {
        for (int lines : {30, 45, 80, 81}) {
            SaleDocumentJob job(printout(SaleOp::InvoiceWithNote, lines), SalePrintOptions{});
            std::vector<int> numbers;
            for (const RecordingCanvas& drawn : drawAll(job, page)) {
                for (int n : rowNumbers(drawn))
                    numbers.push_back(n);
                for (const auto& op : drawn.ops)
                    ASSERT_LE(op.box.bottom(), page.height)
                        << lines << " lines on a page " << page.height << " high";
            }
            ASSERT_EQ(static_cast<int>(numbers.size()), lines);
            for (int k = 0; k < lines; ++k)
                EXPECT_EQ(numbers[static_cast<size_t>(k)], k + 1);
        }
    }
    // Totals and signatures that would run off the page start pages of their own.
    SaleDocumentJob job(printout(SaleOp::InvoiceWithNote, 30), SalePrintOptions{});
    const std::vector<DocumentPage> pages = job.Pages(PageGeometry{2000, 2000});
    ASSERT_GE(pages.size(), 2u);
    EXPECT_TRUE(pages.back().closing);
    EXPECT_EQ(pages.back().rows, 0);
}

TEST(SaleDocumentJob, TitlesMarkTheOriginalOfInvoicesAndNotesOnly) {
    const std::pair<SaleOp, const char*> titles[] = {
        {SaleOp::GoodsNote, "СТОКОВА РАЗПИСКА"},  {SaleOp::InvoiceWithNote, "ФАКТУРА"},
        {SaleOp::FreeTextInvoice, "ФАКТУРА"},     {SaleOp::Proforma, "ФАКТУРА ПРОФОРМА"},
        {SaleOp::InvoiceForNote, "ФАКТУРА"},      {SaleOp::InvoiceForProforma, "ФАКТУРА"},
        {SaleOp::CollectiveInvoice, "ФАКТУРА"},   {SaleOp::DebitNote, "ДЕБИТНО ИЗВЕСТИЕ"},
        {SaleOp::CreditNote, "КРЕДИТНО ИЗВЕСТИЕ"}};
    for (const auto& [op, title] : titles) {
        SalePrintout doc = printout(op, 1);
        const bool marked = op != SaleOp::GoodsNote && op != SaleOp::Proforma;
        doc.original = true;
        EXPECT_EQ(SaleDocumentJob(doc, {}).Title(), marked ? QString(title) + " - ОРИГИНАЛ" : QString(title));
        doc.original = false;
        RecordingCanvas copy;
        SaleDocumentJob(doc, {}).DrawPage(1, copy, kA4);
        EXPECT_TRUE(has(copy, title)) << title;
        EXPECT_TRUE(has(copy, "№ 0000000042, ОТ ДАТА: 08.12.2026"));
    }

    // The page line of later pages, by the document; notes have none.
    const std::pair<SaleOp, QString> lines[] = {
        {SaleOp::GoodsNote, "СТРАНИЦА 2 ОТ СТОКОВА РАЗПИСКА № 0000000042 / 08.12.2026"},
        {SaleOp::CollectiveInvoice, "СТРАНИЦА 2 ОТ ФАКТУРА № 0000000042 / 08.12.2026"},
        {SaleOp::Proforma, "СТРАНИЦА 2 ОТ ПРОФОРМА ФАКТУРА № 0000000042 / 08.12.2026"},
        {SaleOp::CreditNote, QString()}};
    for (const auto& [op, line] : lines) {
        RecordingCanvas second;
        SaleDocumentJob(printout(op, 50), {}).DrawPage(2, second, kA4);
        EXPECT_EQ(second.Texts().filter("СТРАНИЦА"), line.isEmpty() ? QStringList() : QStringList{line});
    }
}

TEST(SaleDocumentJob, TheFirstPageHeaderHoldsTheDealAndBothParties) {
    RecordingCanvas note;
    SaleDocumentJob(printout(SaleOp::CreditNote, 1), {}).DrawPage(1, note, kA4);
    const auto* deal = note.FindText(" място на сделката: Русе, обект: Магазин\n основание: продажба");
    ASSERT_NE(deal, nullptr);
    EXPECT_TRUE(deal->alignment & Qt::TextWordWrap);
    const auto* reference = note.FindText("към фактура №0000000007 / дата: 30.11.2026 ");
    ASSERT_NE(reference, nullptr);
    EXPECT_TRUE(reference->alignment & Qt::AlignRight);

    // Each box's texts stay within the box: its own edges from the page width.
    for (const PageGeometry page : {kA4, PageGeometry{2600, 2870}}) {
        RecordingCanvas drawn;
        SaleDocumentJob(printout(SaleOp::InvoiceWithNote, 1), {}).DrawPage(1, drawn, page);
        const auto* customer = drawn.FindText(" Име: Алфа ООД");
        const auto* firm = drawn.FindText(" Име: Тарво ООД");
        ASSERT_TRUE(customer && firm);
        const int middle = (page.width - 100) / 2;
        EXPECT_EQ(customer->box.left(), 56);
        EXPECT_EQ(customer->box.right(), middle - 7);
        EXPECT_EQ(firm->box.left(), middle + 56);
        EXPECT_EQ(firm->box.right(), page.width - 57);
        EXPECT_TRUE(drawn.FindText(" Ид. № по ЗДДС: BG123"));
        EXPECT_TRUE(drawn.FindText(" М.О.Л: Иван"));
        EXPECT_TRUE(drawn.FindText("ПОЛУЧАТЕЛ") && drawn.FindText("ДОСТАВЧИК"));
    }
    // A long name and address wrap at their words inside the box, every word kept.
    SalePrintout longNames = printout(SaleOp::InvoiceWithNote, 1);
    longNames.customer.name = "Търговско и производствено дружество Д'Артанян и синове ЕООД";
    longNames.customer.address = "бул. Цар Освободител 125, вх. Б, ет. 4, ап. 17, до старата поща";
    RecordingCanvas wrapped;
    SaleDocumentJob(longNames, {}).DrawPage(1, wrapped, kA4);
    QString boxText;
    for (const RecordingCanvas::Op& op : wrapped.OfKind(RecordingCanvas::Kind::Text)) {
        if (op.box.left() == 56 && op.box.top() > wrapped.FindText("ПОЛУЧАТЕЛ")->box.top()) {
            boxText += op.text + ' ';
            EXPECT_LE(wrapped.TextWidth(op.text), op.box.width()) << op.text.toStdString();
        }
    }
    EXPECT_FALSE(boxText.contains("…"));
    EXPECT_TRUE(boxText.simplified().contains("Име: " + longNames.customer.name)) << boxText.toStdString();
    EXPECT_TRUE(boxText.simplified().contains(longNames.customer.address));
}

TEST(SaleDocumentJob, ColumnsFollowThePriceAndCodeSettings) {
    auto widths = [](const SaleDocumentJob& job) {
        std::vector<int> out;
        for (const auto& column : job.Columns(2000))
            out.push_back(column.width);
        return out;
    };
    SalePrintOptions options;
    EXPECT_EQ(widths(SaleDocumentJob(printout(SaleOp::GoodsNote, 1), options)),
              (std::vector<int>{75, 250, 905, 120, 150, 200, 200}));
    options.noStockNotePrices = true;
    EXPECT_EQ(widths(SaleDocumentJob(printout(SaleOp::GoodsNote, 1), options)),
              (std::vector<int>{75, 250, 1305, 120, 150, 0, 0}));
    // The setting is for goods notes only.
    EXPECT_EQ(widths(SaleDocumentJob(printout(SaleOp::InvoiceWithNote, 1), options)),
              (std::vector<int>{75, 250, 905, 120, 150, 200, 200}));
    options.stockNotesWithoutCodes = true;
    EXPECT_EQ(widths(SaleDocumentJob(printout(SaleOp::GoodsNote, 1), options)),
              (std::vector<int>{75, 0, 1555, 120, 150, 0, 0}));
    options.invoicesWithoutCodes = true;
    EXPECT_EQ(widths(SaleDocumentJob(printout(SaleOp::Proforma, 1), options)),
              (std::vector<int>{75, 0, 1155, 120, 150, 200, 200}));

    // A goods note without prices: no price cells, totals or words.
    options = SalePrintOptions{};
    options.noStockNotePrices = true;
    RecordingCanvas note;
    SaleDocumentJob(printout(SaleOp::GoodsNote, 2), options).DrawPage(1, note, kA4);
    EXPECT_FALSE(has(note, "ед. цена"));
    EXPECT_FALSE(has(note, "1.25 "));
    EXPECT_FALSE(has(note, " Сума"));
    EXPECT_TRUE(note.Texts().filter("словом").isEmpty());
    EXPECT_TRUE(note.Texts().filter("Стоките са получени на: 09.12.2026").size() == 1);

    // The cells: whole quantities without decimals, values of price x quantity.
    const SaleDocumentJob invoice(printout(SaleOp::InvoiceWithNote, 2), {});
    EXPECT_EQ(invoice.Cells(0), QStringList({"1", " G1", " Стока 1", "бр.", "2.500 ", "1.25 ", "3.13 "}));
    EXPECT_EQ(invoice.Cells(1), QStringList({"2", " G2", " Стока 2", "бр.", "5 ", "1.25 ", "6.25 "}));
}

TEST(SaleDocumentJob, TotalsShowTheDiscountOnlyAboveZeroAndTheWords) {
    SalePrintout doc = printout(SaleOp::InvoiceWithNote, 3);
    RecordingCanvas plain;
    SaleDocumentJob(doc, {}).DrawPage(1, plain, kA4);
    EXPECT_TRUE(has(plain, " Сума") && has(plain, "120.00 "));
    EXPECT_TRUE(plain.Texts().filter("Търговска отстъпка").isEmpty());
    EXPECT_TRUE(has(plain, " ДДС 20%") && has(plain, "21.60 "));
    EXPECT_TRUE(has(plain, " Сума за плащане") && has(plain, "129.60 "));
    EXPECT_TRUE(has(plain, " словом: сто двадесет и девет лв. и 60 ст."));
    EXPECT_TRUE(has(plain, " основание за неначисляване на ДДС и при нулева ставка:\n чл. 113"));
    EXPECT_TRUE(has(plain, " обстоятелства, които определят стоката като ново превозно средство:\n "));

    doc.header.discount = 10;
    RecordingCanvas discounted;
    SaleDocumentJob(doc, {}).DrawPage(1, discounted, kA4);
    EXPECT_TRUE(has(discounted, " Търговска отстъпка 10.00%") && has(discounted, "12.00 "));
    // Each total is a shaded label cell from "мярка" to "стойност" and the value cell.
    const auto* label = discounted.FindText(" Данъчна основа");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->box.left(), 50 + 75 + 250 + 905);
    EXPECT_EQ(label->box.width(), 120 + 150 + 200);

    // A goods note has neither the VAT ground nor the vehicle box.
    RecordingCanvas note;
    SaleDocumentJob(printout(SaleOp::GoodsNote, 3), {}).DrawPage(1, note, kA4);
    EXPECT_TRUE(has(note, " Сума за плащане"));
    EXPECT_TRUE(note.Texts().filter("основание за неначисляване").isEmpty());
    EXPECT_TRUE(note.Texts().filter("превозно средство").isEmpty());
}

TEST(SaleDocumentJob, SignaturesFollowTheDocumentAndThePayment) {
    SalePrintout doc = printout(SaleOp::InvoiceWithNote, 1);
    RecordingCanvas cash;
    SaleDocumentJob(doc, {}).DrawPage(1, cash, kA4);
    EXPECT_EQ(cash.Texts().filter(" Получил: Приел\n ЕГН:").size(), 1);
    const QStringList cashBlock = cash.Texts().filter("Плащане: в брой");
    ASSERT_EQ(cashBlock.size(), 1);
    EXPECT_TRUE(
        cashBlock[0].startsWith(" Дата на данъчното събитие: 08.12.2026\n Дата на плащане: 10.12.2026\n"));
    EXPECT_TRUE(cashBlock[0].contains(" съставил: Съставил\n"));

    doc.header.payBy = 1;
    RecordingCanvas bank;
    SaleDocumentJob(doc, {}).DrawPage(1, bank, kA4);
    const QStringList bankBlock = bank.Texts().filter("Плащане: с платежно нареждане");
    ASSERT_EQ(bankBlock.size(), 1);
    EXPECT_TRUE(bankBlock[0].contains(" Банка: Банка ДСК\n BIC: STSABGSF\n IBAN BG80STSA93000012345678\n"));
    EXPECT_TRUE(bankBlock[0].contains(" Съставил: Съставил\n"));

    RecordingCanvas note;
    SaleDocumentJob(printout(SaleOp::GoodsNote, 1), {}).DrawPage(1, note, kA4);
    EXPECT_EQ(note.Texts().filter(" Предадено от: Предал\n").size(), 1);

    // A collective invoice has none; the footer comes right under the totals.
    RecordingCanvas collective;
    SaleDocumentJob(printout(SaleOp::CollectiveInvoice, 1), {}).DrawPage(1, collective, kA4);
    EXPECT_TRUE(collective.Texts().filter("Получил").isEmpty());
    EXPECT_TRUE(collective.Texts().filter("Дата на данъчното събитие").isEmpty());
    const auto* footer = collective.FindText("Тази страница е отпечатена от ПП \"Tarvo\".");
    const auto* vehicle = collective.Texts().filter("превозно средство").isEmpty()
                              ? nullptr
                              : collective.FindText(collective.Texts().filter("превозно средство")[0]);
    ASSERT_TRUE(footer && vehicle);
    EXPECT_EQ(footer->box.top(), vehicle->box.bottom() + 1);
}

TEST(SaleDocumentJob, EconomyModeLeavesOutOnlyShadingAndTheDoubleRule) {
    bool economy = false;
    SalePrintOptions options;
    options.economyMode = [&economy] { return economy; };
    SaleDocumentJob job(printout(SaleOp::InvoiceWithNote, 5), options);
    RecordingCanvas shaded, plain;
    job.DrawPage(1, shaded, kA4);
    economy = true;
    job.DrawPage(1, plain, kA4);
    EXPECT_FALSE(shaded.OfKind(Kind::Fill).empty());
    EXPECT_TRUE(plain.OfKind(Kind::Fill).empty());
    EXPECT_EQ(shaded.Texts(), plain.Texts());
    EXPECT_EQ(shaded.OfKind(Kind::Frame).size(), plain.OfKind(Kind::Frame).size());
    EXPECT_EQ(shaded.OfKind(Kind::Line).size(), plain.OfKind(Kind::Line).size() + 2);
}

TEST(SaleDocumentJob, APdfReadsBackItsCyrillicTitleAndTotals) {
    QTemporaryDir dir;
    const QString path = dir.filePath("invoice.pdf");
    SaleDocumentJob job(printout(SaleOp::InvoiceWithNote, 45), {});
    ASSERT_TRUE(WriteJobToPdf(job, path));
    const QString read = PdfText(path);
    EXPECT_TRUE(read.contains("ФАКТУРА - ОРИГИНАЛ"));
    EXPECT_TRUE(read.contains("СТРАНИЦА 2 ОТ ФАКТУРА № 0000000042 / 08.12.2026"));
    EXPECT_TRUE(read.contains("Сума за плащане"));
    EXPECT_TRUE(read.contains("129.60"));
    EXPECT_TRUE(read.contains("словом: сто двадесет и девет лв. и 60 ст."));
    EXPECT_TRUE(read.contains("Стока 45"));
}

// A figure wider than its cell keeps every digit (a smaller font, or a
// wrap), a word too long is cut with an ellipsis, and a returned line of a
// credit note's goods note is worth as much as its totals say.
TEST(SaleDocumentJob, CellsNeverLoseAFigureAndReturnsAddUp) {
    SalePrintout p = printout(SaleOp::GoodsNote, 2);
    p.lines[0].quantity = 12345.678;
    p.lines[0].price = 12345678.9;
    p.lines[0].units = "комплект";
    p.lines[1].quantity = -5;
    p.lines[1].price = -20.1;
    SaleDocumentJob job(p, {});
    RecordingCanvas page;
    job.DrawPage(1, page, kA4);
    for (const QString figure : {"12345.678 ", "12345678.90 ", "комплект", "-100.50 "}) {
        const RecordingCanvas::Op* op = page.FindText(figure);
        ASSERT_NE(op, nullptr) << figure.toStdString();
        RecordingCanvas measure;
        measure.SetFont(op->font);
        EXPECT_TRUE(measure.TextWidth(figure) <= op->box.width() || (op->alignment & Qt::TextWrapAnywhere))
            << figure.toStdString();
    }
    EXPECT_EQ(page.FindText("100.50 "), nullptr);

    RecordingCanvas narrow;
    narrow.SetFont({36, false, false});
    DrawCellText(narrow, QRect(0, 0, 200, 40), Qt::AlignCenter, "Удължител с шест гнезда", {36, false, false});
    EXPECT_EQ(narrow.Texts(), QStringList{"Удължител с…"});
    EXPECT_TRUE(narrow.ops[0].alignment & Qt::AlignLeft);
}

// A disk that fills up half-way leaves no broken PDF and says why.
TEST(SaleDocumentJob, AFullDiskGivesNoPdf) {
    class FullDisk : public QIODevice {
    public:
        FullDisk() { open(QIODevice::WriteOnly); }

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char*, qint64 length) override {
            if ((m_room -= length) < 0) {
                setErrorString("No space left on device");
                return -1;
            }
            return length;
        }

    private:
        qint64 m_room = 2000;
    } full;
    SaleDocumentJob job(printout(SaleOp::GoodsNote, 40), {});
    EXPECT_EQ(WriteJobAsPdf(job, full), "No space left on device");
    QTemporaryDir dir;
    const QString nowhere = dir.filePath("няма/f.pdf");
    EXPECT_FALSE(PdfFileError(job, nowhere).isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(PdfFileError(job, dir.filePath("f.pdf")), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"f.pdf"});
}
