#include "reports/ui/CIncomeExpensesDiagram.h"

#include "base/Clock.h"
#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "print/IncomeExpenseChart.h"
#include "print/PainterCanvas.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

IncomeExpenseChartView::IncomeExpenseChartView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setMinimumSize(600, 360);
}

void IncomeExpenseChartView::Show(int year, const IncomeExpenseYear& figures, bool threeD) {
    m_year = year;
    m_data = figures;
    m_threeD = threeD;
    update();
}

void IncomeExpenseChartView::paintEvent(QPaintEvent*) {
    if (m_year == 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    // The widget's size in the canvas's 0.1 mm.
    const int width = this->width() * 254 / logicalDpiX();
    const int height = this->height() * 254 / logicalDpiY();
    DrawIncomeExpenseChart(canvas, QRect(20, 20, width - 40, height - 40), m_year, m_data, m_threeD);
}

CIncomeExpensesDiagram::CIncomeExpensesDiagram(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_year(new QSpinBox(this)),
      m_threeD(new QCheckBox("3D изглед", this)), m_chart(new IncomeExpenseChartView(this)) {
    host.SetFormTitle("TARVO - ДИАГРАМА НА НЕТНИТЕ ПРИХОДИ И РАЗХОДИ");
    m_year->setRange(2000, 2099);
    m_year->setValue(host.GetClock().Now().date().year());
    m_year->setAccessibleName("Диаграма за: ");
    m_year->setToolTip("укажете година, за която желаете да генерирате справка-диаграма...");
    // The spin button takes the year at once; typing waits for Enter or the button.
    m_year->setKeyboardTracking(false);
    connect(m_year, &QSpinBox::valueChanged, this, [this] { Generate(); });
    connect(m_threeD, &QCheckBox::toggled, this, [this](bool on) { m_chart->Show(m_shownYear, m_data, on); });
    auto* generate =
        MakeFormButton(this, "генерирай диаграма", QKeySequence(),
                       "генериране на диаграма за предварително указана година...", [this] { Generate(); });
    auto* refresh = MakeFormButton(this, "обнови", Qt::Key_F5, "опресняване на данните и диаграмата...",
                                   [this] { Refresh(); });
    auto* print =
        MakeFormButton(this, "печат ...", Qt::Key_F9, "Отпечатване на диаграмата...", [this] { Print(); });
    auto* exit = MakeFormButton(this, "изход", Qt::Key_F10, "кликнете тук за изход от диаграмата...",
                                [this] { m_host.SwitchView(ViewType::kStart); });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Диаграма за: ", this));
    row->addWidget(m_year);
    row->addWidget(generate);
    row->addWidget(m_threeD);
    row->addStretch();
    row->addWidget(refresh);
    row->addWidget(print);
    row->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_chart, 1);
    SetTabOrder({m_year, generate, m_threeD, refresh, print, exit});
    Load(m_year->value());
}

void CIncomeExpensesDiagram::Load(int year) {
    WaitCursor wait;
    IncomeExpenseYear figures;
    if (!LoadIncomeExpenseYear(m_doc.Db(), m_host.GetClock(), year, figures))
        return;
    m_shownYear = year;
    m_data = figures;
    m_chart->Show(year, figures, m_threeD->isChecked());
}

void CIncomeExpensesDiagram::Generate() {
    Load(m_year->value());
}

void CIncomeExpensesDiagram::Refresh() {
    Load(m_shownYear);
}

void CIncomeExpensesDiagram::Print() {
    IncomeExpenseChartJob job(m_shownYear, m_data, m_threeD->isChecked());
    m_host.ShowPrintPreview(job);
}
