#include "reports/ui/CSalesFilterDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/GuiTextInput.h"
#include "lists/SearchText.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "session/TarvoDoc.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSalesFilterDlg::CSalesFilterDlg(CTarvoDoc& doc, FormHost& host, SalesReport& report, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_report(report) {
    setWindowTitle("филтър - реализация");
    setModal(false);
    const SalesFilter& f = report.Conditions();

    auto* period = new QGroupBox("за период", this);
    m_from = MakeDateField(period, "от");
    m_to = MakeDateField(period, "до");
    m_from->setDate(f.from);
    m_to->setDate(f.to);
    auto* periodRow = new QHBoxLayout(period);
    periodRow->addWidget(m_from);
    periodRow->addWidget(m_to);
    periodRow->addWidget(new CDatePeriodsBtn(m_from, m_to, host.Settings(), host.GetClock(), period));

    auto* groups = new QGroupBox("по групи", this);
    auto* chooseGroups = new QPushButton("избор на групи", groups);
    connect(chooseGroups, &QPushButton::clicked, this, [this] {
        LoadGroupTree(m_doc.Db(), m_groups);
        CGroupFilterDlg dialog(m_groups, m_report.Filter(), this);
        dialog.exec();
    });
    (new QHBoxLayout(groups))->addWidget(chooseGroups);

    auto* source = new QGroupBox("източник на данни", this);
    m_goodsNotes = new QRadioButton("издадени стокови р-ки", source);
    m_invoices = new QRadioButton("издадени фактури", source);
    m_notInvoiced = new QCheckBox("без фактура", source);
    (f.invoices ? m_invoices : m_goodsNotes)->setChecked(true);
    m_notInvoiced->setChecked(f.notInvoicedOnly);
    // "без фактура" reads a column only goods notes have.
    m_notInvoiced->setEnabled(!f.invoices);
    connect(m_invoices, &QRadioButton::toggled, this, [this](bool invoices) {
        m_notInvoiced->setEnabled(!invoices);
        if (invoices)
            m_notInvoiced->setChecked(false);
    });
    auto* sourceLayout = new QVBoxLayout(source);
    sourceLayout->addWidget(m_goodsNotes);
    sourceLayout->addWidget(m_invoices);
    sourceLayout->addWidget(m_notInvoiced);

    auto* prices = new QGroupBox("по цени", this);
    auto* priceLayout = new QVBoxLayout(prices);
    const std::pair<const char*, int> kinds[] = {{"по прод. цена 1", 1}, {"по прод. цена 2", 2},
                                                 {"по доставна", 4},     {"по себестойност", 0},
                                                 {"по друга цена", 3},   {"по собствена цена", 5}};
    for (const auto& [text, kind] : kinds) {
        auto* box = new QCheckBox(text, prices);
        box->setChecked(f.priceKinds.count(kind) != 0);
        priceLayout->addWidget(box);
        m_kinds.push_back({kind, box});
    }

    auto* type = new QGroupBox("тип на справката", this);
    m_detailed = new QRadioButton("подробна справка", type);
    m_merged = new QRadioButton("обобщена", type);
    (f.merged ? m_merged : m_detailed)->setChecked(true);
    auto* typeLayout = new QVBoxLayout(type);
    typeLayout->addWidget(m_detailed);
    typeLayout->addWidget(m_merged);

    auto* apply = new QPushButton("приложи филтъра", this);
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, &CSalesFilterDlg::Apply);

    auto* left = new QVBoxLayout;
    left->addWidget(period);
    left->addWidget(groups);
    left->addWidget(source);
    left->addWidget(prices);
    left->addWidget(type);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(BuildCustomers(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(apply);
    layout->addLayout(bottom);
    resize(760, 560);
}

QWidget* CSalesFilterDlg::BuildCustomers() {
    auto* box = new QGroupBox("по клиенти", this);
    m_customers = new QListWidget(box);
    m_customers->setAccessibleName("клиенти");
    auto button = [box](const char* text, std::function<void()> action) {
        auto* b = new QPushButton(text, box);
        QObject::connect(b, &QPushButton::clicked, box, std::move(action));
        return b;
    };
    auto setAll = [this](Qt::CheckState state) {
        for (int k = 0; k < m_customers->count(); ++k)
            m_customers->item(k)->setCheckState(state);
    };
    auto* buttons = new QGridLayout;
    buttons->addWidget(button("намери клиент",
                              [this] {
                                  GuiTextInput input(this);
                                  SearchText search;
                                  search.Set(m_nameSearch);
                                  if (search.Ask(input)) {
                                      m_nameSearch = search.Text();
                                      FillCustomers();
                                  }
                              }),
                       0, 0);
    buttons->addWidget(button("покажи всички",
                              [this] {
                                  m_nameSearch.clear();
                                  FillCustomers();
                              }),
                       0, 1);
    buttons->addWidget(button("маркирай всички", [setAll] { setAll(Qt::Checked); }), 1, 0);
    buttons->addWidget(button("без филтър", [setAll] { setAll(Qt::Unchecked); }), 1, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_customers, 1);
    layout->addLayout(buttons);
    FillCustomers();
    return box;
}

// The customers of the applied filter are listed ticked.
void CSalesFilterDlg::FillCustomers() {
    const std::vector<int>& chosen = m_report.Conditions().customers;
    m_customers->clear();
    for (const auto& [id, name] : SalesReport::Customers(m_doc.Db(), m_nameSearch)) {
        auto* item = new QListWidgetItem(name, m_customers);
        item->setData(Qt::UserRole, id);
        item->setCheckState(std::find(chosen.begin(), chosen.end(), id) != chosen.end() ? Qt::Checked
                                                                                        : Qt::Unchecked);
    }
}

void CSalesFilterDlg::Apply() {
    SalesFilter& f = m_report.Conditions();
    f.from = m_from->date();
    f.to = m_to->date();
    f.invoices = m_invoices->isChecked();
    f.notInvoicedOnly = !f.invoices && m_notInvoiced->isChecked();
    f.priceKinds.clear();
    for (const auto& [kind, box] : m_kinds)
        if (box->isChecked())
            f.priceKinds.insert(kind);
    f.merged = m_merged->isChecked();
    f.customers.clear();
    for (int k = 0; k < m_customers->count(); ++k)
        if (m_customers->item(k)->checkState() == Qt::Checked)
            f.customers.push_back(m_customers->item(k)->data(Qt::UserRole).toInt());
    hide();
    Q_EMIT applied();
}
