// The printed stock movement report: its title, period, the nine printed
// columns and the cells they take from the report's eleven.
#include "print/ReportPrints.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

TEST(StockMovementPrint, TitlePeriodColumnsAndCells) {
    const std::vector<QStringList> rows{
        {"X1", "Артикул", "Стоки", "бр.", "10.000", "5.000", "2.000", "1.000", "-", "3.000", "13.000"}};
    auto job = StockMovementPrint(rows, QDate(2026, 12, 1), QDate(2026, 12, 8),
                                  PrinterSettings::Orientation::Landscape, nullptr);
    RecordingCanvas canvas;
    job->DrawPage(1, canvas, PageGeometry{2870, 2000});
    const QString texts = canvas.Texts().join('|');
    for (const char* text :
         {"ОБОБЩЕНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ, МАТЕРИАЛИ, ИЗДЕЛИЯ И УСЛУГИ",
          "от 01.12.2026 до 08.12.2026", "наименование", "мярка", "нач.салдо", "доставени", "произведени",
          "вложени", "върнати (брак)", "реализирани", "налични днес", "Артикул", "13.000"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_FALSE(texts.contains("Стоки")); // the group is not printed
    EXPECT_FALSE(texts.contains("X1"));
}
