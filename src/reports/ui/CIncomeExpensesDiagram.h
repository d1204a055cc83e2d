#pragma once

#include "reports/IncomeExpenseYear.h"

#include <QWidget>

class CTarvoDoc;
class FormHost;
class QCheckBox;
class QSpinBox;

// The frame the chart is drawn in, through the page routines' canvas.
class IncomeExpenseChartView : public QWidget {
    Q_OBJECT
public:
    explicit IncomeExpenseChartView(QWidget* parent = nullptr);
    void Show(int year, const IncomeExpenseYear& figures, bool threeD);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_year = 0;
    IncomeExpenseYear m_data;
    bool m_threeD = false;
};

// "TARVO - ДИАГРАМА НА НЕТНИТЕ ПРИХОДИ И РАЗХОДИ": a year's net income and
// expenses by month as a bar chart.
class CIncomeExpensesDiagram : public QWidget {
    Q_OBJECT
public:
    CIncomeExpensesDiagram(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    QSpinBox* Year() const { return m_year; }
    QCheckBox* ThreeD() const { return m_threeD; }
    int ShownYear() const { return m_shownYear; }
    const IncomeExpenseYear& Data() const { return m_data; }

    // "генерирай диаграма": the year of the field; "обнови": the shown year again.
    void Generate();
    void Refresh();
    void Print();

private:
    void Load(int year);

    CTarvoDoc& m_doc;
    FormHost& m_host;
    QSpinBox* m_year;
    QCheckBox* m_threeD;
    IncomeExpenseChartView* m_chart;
    int m_shownYear = 0;
    IncomeExpenseYear m_data;
};
