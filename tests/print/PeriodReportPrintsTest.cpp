// The printed delivery, production and materials reports: titles, the
// period lines as written, the chosen columns and the totals rows.
#include "masterdata/FirmCurrency.h"
#include "print/ReportPrints.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
QString textsOf(ListPrintJob& job, int page) {
    RecordingCanvas canvas;
    job.DrawPage(page, canvas, PageGeometry{2870, 2000});
    return canvas.Texts().join('|');
}
} // namespace

TEST(PeriodReportPrints, TitlesPeriodsColumnsAndTotals) {
    const QDate from(2026, 12, 1), to(2026, 12, 8);
    const std::vector<QStringList> deliveries{{"02.12.2026", "0000000001", "G1", "Кабел", "Стоки", "м",
                                               "10.000", "10.00", "100.00", "5.00", "19.00", "114.00", "Алфа",
                                               "Ф-1"}};
    auto delivered = DeliveriesReportPrint(deliveries, from, to, 100, 114,
                                           PrinterSettings::Orientation::Landscape, nullptr);
    const QString d = textsOf(*delivered, 1);
    for (const char* text : {"СПРАВКА ЗА ИЗВЪРШЕНИТЕ ДОСТАВКИ", "от 01.12.2026 до 08.12.2026", "документ",
                             "к-во", "всичко", "Кабел", "ВСИЧКО:", "114.00"})
        EXPECT_TRUE(d.contains(text)) << text;
    EXPECT_FALSE(d.contains("Алфа"));

    std::vector<QStringList> runs;
    for (int i = 0; i < 60; ++i)
        runs.push_back({"0000000001", "04.12.2026", "P1", QString("Изделие %1").arg(i), "-", "бр.", "2.000",
                        "1.50", "3.00", "Иван"});
    auto produced = ProducedItemsPrint(runs, from, to, PrinterSettings::Orientation::Landscape, nullptr);
    ASSERT_EQ(produced->PageCount(PageGeometry{2870, 2000}), 2);
    const QString p = textsOf(*produced, 1);
    for (const char* text :
         {"СПРАВКА ЗА ПРОИЗВЕДЕНИТЕ ИЗДЕЛИЯ", "документ #", "себестойност", "произвел", "Иван"})
        EXPECT_TRUE(p.contains(text)) << text;
    EXPECT_TRUE(textsOf(*produced, 2).contains("--  2/2 --"));

    const std::vector<QStringList> used{{"04.12.2026", "M1", "Мед", "Стоки", "кг", "4.000", "1.25", "5.00"}};
    auto materials = MaterialsReportPrint(used, from, to, 5, Currency::BGN,
                                          PrinterSettings::Orientation::Landscape, nullptr);
    const QString m = textsOf(*materials, 1);
    for (const char* text : {"СПРАВКА ЗА ВЛОЖЕНИТЕ МАТЕРИАЛИ И КОНСУМАТИВИ", "от  01.12.2026 до 08.12.2026",
                             "група", "Мед", "всичко лв:", "5.00"})
        EXPECT_TRUE(m.contains(text)) << text;
    EXPECT_FALSE(m.contains("M1"));

    // In euro the total says so, and a period across the changeover says how
    // its leva amounts were given.
    auto inEuro = MaterialsReportPrint(used, from, to, 5, Currency::EUR,
                                       PrinterSettings::Orientation::Landscape, nullptr);
    inEuro->AddSubtitleNote(kConvertedSumsNote);
    const QString e = textsOf(*inEuro, 1);
    EXPECT_TRUE(e.contains("всичко EUR:"));
    EXPECT_FALSE(e.contains("всичко лв:"));
    EXPECT_TRUE(e.contains("от  01.12.2026 до 08.12.2026, сумите в лева са преизчислени по курс 1.95583"));
}
