#include "documents/ui/CCashFilterDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/GuiTextInput.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "session/TarvoDoc.h"
#include "trade/CashRegisterStore.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
QGroupBox* radioGroup(QWidget* parent, const QString& title, const QStringList& choices, int chosen,
                      QButtonGroup*& group) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int k = 0; k < choices.size(); ++k) {
        auto* radio = new QRadioButton(choices[k], box);
        radio->setChecked(k == chosen);
        group->addButton(radio, k);
        layout->addWidget(radio);
    }
    return box;
}
} // namespace

CCashFilterDlg::CCashFilterDlg(CTarvoDoc& doc, FormHost& host, const CashFilter& filter, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_from(MakeDateField(this, "от")),
      m_to(MakeDateField(this, "до")), m_tabs(new QTabBar(this)), m_partners(new QListWidget(this)) {
    setWindowTitle("филтър - приходи и разходи");
    setModal(false);
    m_from->setDate(filter.from);
    m_to->setDate(filter.to);
    auto* periods = new CDatePeriodsBtn(m_from, m_to, host.Settings(), host.GetClock(), this);
    auto* period = new QGroupBox("за периода", this);
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(m_from);
    periodRow->addWidget(m_to);
    periodRow->addWidget(periods);

    auto* show = radioGroup(this, "показване на", {"всички операции", "изплатените", "неизплатените"},
                            filter.show, m_show);
    auto* type = radioGroup(this, "по тип", {"приходни и разходни", "само приходни", "само разходни"},
                            filter.type, m_type);
    auto* method =
        radioGroup(this, "начин на плащане", {"без значение", "само плащанията в брой", "само с платежно"},
                   filter.method, m_method);

    for (const char* tab : {"всички", "клиенти", "доставчици"})
        m_tabs->addTab(tab);
    connect(m_tabs, &QTabBar::currentChanged, this, [this] {
        KeepTicks();
        FillPartners();
    });
    m_partners->setAccessibleName("контрагенти");
    m_ticked.insert(filter.partners.begin(), filter.partners.end());
    const auto button = [this](const QString& text, std::function<void()> action) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, std::move(action));
        return b;
    };
    m_showAll = button("покажи всички", [this] {
        KeepTicks();
        m_search.clear();
        FillPartners();
    });
    auto* partnerBox = new QGroupBox("филтър - контрагенти", this);
    auto* partnerButtons = new QHBoxLayout;
    partnerButtons->addWidget(button("намери контрагент", [this] { FindPartner(); }));
    partnerButtons->addWidget(m_showAll);
    partnerButtons->addWidget(button("маркирай всички", [this] { CheckAll(true); }));
    partnerButtons->addWidget(button("без филтър", [this] { CheckAll(false); }));
    auto* partnerLayout = new QVBoxLayout(partnerBox);
    partnerLayout->addWidget(m_tabs);
    partnerLayout->addWidget(m_partners, 1);
    partnerLayout->addLayout(partnerButtons);

    auto* apply = new QPushButton("приложи филтъра", this);
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, &CCashFilterDlg::Apply);
    auto* radios = new QHBoxLayout;
    radios->addWidget(show);
    radios->addWidget(type);
    radios->addWidget(method);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(period);
    layout->addLayout(radios);
    layout->addWidget(partnerBox, 1);
    layout->addLayout(bottom);
    resize(620, 560);
    FillPartners();
}

void CCashFilterDlg::KeepTicks() {
    for (int row = 0; row < m_partners->count(); ++row) {
        const QListWidgetItem* item = m_partners->item(row);
        const int id = item->data(Qt::UserRole).toInt();
        if (item->checkState() == Qt::Checked)
            m_ticked.insert(id);
        else
            m_ticked.erase(id);
    }
}

void CCashFilterDlg::FillPartners() {
    std::vector<std::pair<int, QString>> partners;
    CashRegisterStore::LoadFilterPartners(m_doc.Db(), static_cast<PartnerTab>(m_tabs->currentIndex()),
                                          m_search, partners);
    m_partners->clear();
    for (const auto& [id, name] : partners) {
        auto* item = new QListWidgetItem(name, m_partners);
        item->setData(Qt::UserRole, id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_ticked.count(id) ? Qt::Checked : Qt::Unchecked);
    }
    m_showAll->setEnabled(!m_search.isEmpty());
}

void CCashFilterDlg::FindPartner() {
    GuiTextInput input(this);
    const std::optional<QString> text = input.AskText("ТЪРСЕНЕ", "Търсене по име на контрагент:", m_search);
    if (!text)
        return;
    KeepTicks();
    m_search = *text;
    FillPartners();
    if (m_partners->count() > 0)
        m_partners->setCurrentRow(0);
}

void CCashFilterDlg::CheckAll(bool checked) {
    for (int row = 0; row < m_partners->count(); ++row)
        m_partners->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    if (!checked)
        m_ticked.clear();
}

CashFilter CCashFilterDlg::Filter() const {
    CashFilter filter;
    filter.from = m_from->date();
    filter.to = m_to->date();
    filter.show = m_show->checkedId();
    filter.type = m_type->checkedId();
    filter.method = m_method->checkedId();
    std::set<int> ticked = m_ticked;
    for (int row = 0; row < m_partners->count(); ++row) {
        const QListWidgetItem* item = m_partners->item(row);
        if (item->checkState() == Qt::Checked)
            ticked.insert(item->data(Qt::UserRole).toInt());
        else
            ticked.erase(item->data(Qt::UserRole).toInt());
    }
    filter.partners.assign(ticked.begin(), ticked.end());
    return filter;
}

void CCashFilterDlg::Apply() {
    const CashFilter filter = Filter();
    hide();
    Q_EMIT applied(filter);
}
