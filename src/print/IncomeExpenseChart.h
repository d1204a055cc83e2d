#pragma once

#include "print/PrintJob.h"
#include "reports/IncomeExpenseYear.h"

#include <QColor>
#include <QRect>

class Canvas;

// The bar chart of a year's net income and expenses: the title with the
// year, three bars a month (goods notes, deliveries, production) with their
// values cut to whole numbers, the value axis in nine steps from 0 to the
// maximum (below 0 too when a month is negative), the month names and a
// legend; with depth in the 3D view. A year without data says so instead.
void DrawIncomeExpenseChart(Canvas& canvas, const QRect& area, int year, const IncomeExpenseYear& data,
                            bool threeD);

// The colours of the three bars.
QColor IncomeExpenseBarColour(int series);

// The chart on a landscape page.
class IncomeExpenseChartJob : public PrintJob {
public:
    IncomeExpenseChartJob(int year, IncomeExpenseYear data, bool threeD)
        : m_year(year), m_data(data), m_threeD(threeD) {}
    PrinterSettings::Orientation PageOrientation() const override {
        return PrinterSettings::Orientation::Landscape;
    }
    int PageCount(const PageGeometry&) const override { return 1; }
    void DrawPage(int page, Canvas& canvas, const PageGeometry& geometry) override;

private:
    int m_year;
    IncomeExpenseYear m_data;
    bool m_threeD;
};
