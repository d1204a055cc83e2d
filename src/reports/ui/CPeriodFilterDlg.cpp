#include "reports/ui/CPeriodFilterDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "masterdata/PartnerStore.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "reports/ProductionReport.h"
#include "session/TarvoDoc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* titleOf(CPeriodFilterDlg::Kind kind) {
    switch (kind) {
    case CPeriodFilterDlg::Kind::Deliveries:
        return "филтър - доставки";
    case CPeriodFilterDlg::Kind::Production:
        return "филтър - производство";
    default:
        return "филтър - вложени материали";
    }
}
} // namespace

CPeriodFilterDlg::CPeriodFilterDlg(CTarvoDoc& doc, FormHost& host, PeriodReport& report, Kind kind,
                                   QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_report(report), m_kind(kind),
      m_conditions(report.Chosen()), m_from(MakeDateField(this, "от")), m_to(MakeDateField(this, "до")),
      m_detailed(new QRadioButton("подробна", this)), m_summary(new QRadioButton("обобщена", this)) {
    setWindowTitle(titleOf(kind));
    setModal(false);
    m_from->setDate(m_conditions.from);
    m_to->setDate(m_conditions.to);
    auto* period = new QGroupBox("за периода", this);
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(m_from);
    periodRow->addWidget(m_to);
    periodRow->addWidget(new CDatePeriodsBtn(m_from, m_to, host.Settings(), host.GetClock(), period));

    auto* groups = new QPushButton("избор на групи", this);
    groups->setAutoDefault(false);
    connect(groups, &QPushButton::clicked, this, [this] {
        LoadGroupTree(m_doc.Db(), m_groups);
        CGroupFilterDlg dialog(m_groups, m_report.Filter(), this);
        dialog.exec();
    });
    (m_conditions.summary ? m_summary : m_detailed)->setChecked(true);
    auto* type = new QGroupBox("вид на справката", this);
    auto* typeRow = new QHBoxLayout(type);
    typeRow->addWidget(m_detailed);
    typeRow->addWidget(m_summary);
    auto* middle = new QHBoxLayout;
    middle->addWidget(type, 1);
    middle->addWidget(groups);

    auto* apply = new QPushButton("приложи филтъра", this);
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, &CPeriodFilterDlg::Apply);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addLayout(middle);
    layout->addWidget(BuildOwnCondition());
    layout->addLayout(bottom);
}

QWidget* CPeriodFilterDlg::BuildOwnCondition() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_kind == Kind::Production) {
        m_byProducer = new QCheckBox("само изработените от:", box);
        m_producer = new QComboBox(box);
        m_producer->setEditable(true);
        m_producer->addItems(static_cast<ProductionReport&>(m_report).Producers());
        m_producer->setCurrentText(m_conditions.producer);
        m_byProducer->setChecked(!m_conditions.producer.isEmpty());
        m_producer->setEnabled(m_byProducer->isChecked());
        connect(m_byProducer, &QCheckBox::toggled, m_producer, &QWidget::setEnabled);
        auto* row = new QHBoxLayout;
        row->addWidget(m_byProducer);
        row->addWidget(m_producer, 1);
        layout->addLayout(row);
        return box;
    }
    m_partner = new QLineEdit(m_conditions.partnerName, box);
    m_partner->setReadOnly(true);
    m_partner->setFocusPolicy(Qt::NoFocus);
    auto* choose = new QPushButton(
        m_kind == Kind::Deliveries ? "покажи за конкретен доставчик" : "покажи за конкретен клиент...", box);
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, [this] { ChoosePartner(); });
    auto* clear = new QPushButton("X", box);
    clear->setAutoDefault(false);
    clear->setMaximumWidth(40);
    clear->setToolTip("Без конкретен контрагент");
    connect(clear, &QPushButton::clicked, this, [this] {
        m_conditions.partnerId = 0;
        m_conditions.partnerName.clear();
        m_partner->clear();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(choose);
    row->addWidget(m_partner, 1);
    row->addWidget(clear);
    layout->addLayout(row);
    if (m_kind == Kind::Materials) {
        auto* kinds = new QGroupBox("компоненти на:", box);
        m_products = new QCheckBox("изделия", kinds);
        m_services = new QCheckBox("услуги", kinds);
        m_products->setChecked(m_conditions.products);
        m_services->setChecked(m_conditions.services);
        auto* kindRow = new QHBoxLayout(kinds);
        kindRow->addWidget(m_products);
        kindRow->addWidget(m_services);
        layout->addWidget(kinds);
    }
    return box;
}

void CPeriodFilterDlg::ChoosePartner() {
    GuiPartnerChooser partners(m_doc, m_host, this);
    const std::optional<int> chosen = partners.ChoosePartner(
        m_kind == Kind::Deliveries ? PartnerTab::Suppliers : PartnerTab::Customers, m_conditions.partnerId);
    if (!chosen)
        return;
    m_conditions.partnerId = *chosen;
    m_conditions.partnerName = PartnerStore(m_doc.Db()).Name(*chosen).value_or("-");
    m_partner->setText(m_conditions.partnerName);
}

void CPeriodFilterDlg::Apply() {
    m_conditions.from = m_from->date();
    m_conditions.to = m_to->date();
    m_conditions.summary = m_summary->isChecked();
    if (m_producer)
        m_conditions.producer = m_byProducer->isChecked() ? m_producer->currentText().trimmed() : QString();
    if (m_products) {
        m_conditions.products = m_products->isChecked();
        m_conditions.services = m_services->isChecked();
    }
    m_report.SetConditions(m_conditions);
    hide();
    Q_EMIT applied();
}
