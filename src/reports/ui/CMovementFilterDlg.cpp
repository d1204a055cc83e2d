#include "reports/ui/CMovementFilterDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "session/TarvoDoc.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CMovementFilterDlg::CMovementFilterDlg(CTarvoDoc& doc, FormHost& host, StockMovementReport& report,
                                       QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_report(report), m_conditions(report.Chosen()),
      m_from(MakeDateField(this, "от")), m_to(MakeDateField(this, "до")), m_stocktaking(new QLineEdit(this)),
      m_goods(new QCheckBox("стоки", this)), m_products(new QCheckBox("изделия", this)),
      m_services(new QCheckBox("услуги", this)) {
    setWindowTitle("филтър - обобщена справка");
    setModal(false);
    m_stocktaking->setReadOnly(true);
    m_stocktaking->setFocusPolicy(Qt::NoFocus);
    const auto button = [this](const QString& text, std::function<void()> action) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, std::move(action));
        return b;
    };
    auto* period = new QGroupBox("за периода", this);
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(m_from);
    periodRow->addWidget(m_to);
    periodRow->addWidget(new CDatePeriodsBtn(m_from, m_to, host.Settings(), host.GetClock(), period));

    auto* opening = new QGridLayout;
    opening->addWidget(new QLabel("вкл. на начални салда след ревизия:", this), 0, 0, 1, 3);
    opening->addWidget(m_stocktaking, 1, 0);
    opening->addWidget(
        button("Ревизии ...",
               [this] {
                   m_conditions.from = m_from->date();
                   m_conditions.to = m_to->date();
                   GuiDocumentChooser documents(m_doc, m_host, this);
                   if (StockMovementReport::ChooseStocktaking(documents, m_host.GetPrompter(), m_conditions))
                       ShowConditions();
               }),
        1, 1);
    opening->addWidget(button("Без ревизии",
                              [this] {
                                  m_conditions.stocktaking = 0;
                                  m_conditions.stocktakingDate = QDate();
                                  m_stocktaking->clear();
                              }),
                       1, 2);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_goods);
    kinds->addWidget(m_products);
    kinds->addWidget(m_services);
    kinds->addStretch();
    kinds->addWidget(button("За избани групи ...", [this] {
        LoadGroupTree(m_doc.Db(), m_groups);
        CGroupFilterDlg dialog(m_groups, m_report.Filter(), this);
        dialog.exec();
    }));
    auto* apply = button("Прилагане на филтъра", [this] { Apply(); });
    apply->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(apply);
    bottom->addWidget(button("Отказ", [this] { hide(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addLayout(opening);
    layout->addLayout(kinds);
    layout->addLayout(bottom);
    ShowConditions();
}

void CMovementFilterDlg::ShowConditions() {
    m_from->setDate(m_conditions.from);
    m_to->setDate(m_conditions.to);
    m_stocktaking->setText(StockMovementReport::StocktakingText(m_conditions));
    m_goods->setChecked(m_conditions.goods);
    m_products->setChecked(m_conditions.products);
    m_services->setChecked(m_conditions.services);
}

void CMovementFilterDlg::Apply() {
    m_conditions.from = m_from->date();
    m_conditions.to = m_to->date();
    m_conditions.goods = m_goods->isChecked();
    m_conditions.products = m_products->isChecked();
    m_conditions.services = m_services->isChecked();
    m_report.SetConditions(m_conditions);
    hide();
    Q_EMIT applied();
}
