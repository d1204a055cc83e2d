#include "masterdata/ui/CGroupFilterDlg.h"

#include "base/ui/FormButton.h"
#include "masterdata/ui/GroupTreeWidget.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

CGroupFilterDlg::CGroupFilterDlg(const std::vector<GroupNode>& tree, GroupFilter& filter, QWidget* parent)
    : QDialog(parent), m_tree(tree), m_filter(filter), m_editing(filter),
      m_groups(new GroupTreeWidget(true, this)) {
    setWindowTitle("филтриране по групи");
    m_groups->Fill(tree);
    m_groups->SetChecks([this](int id) { return m_editing.IsTicked(id); });
    m_withSubgroups = new QCheckBox("при поставяне на отметка, автоматично избирай и подгрупите (F2)", this);
    auto* toggle = new QShortcut(Qt::Key_F2, this);
    connect(toggle, &QShortcut::activated, m_withSubgroups, &QCheckBox::toggle);
    connect(m_groups, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        m_editing.SetTicked(m_tree, GroupTreeWidget::IdOf(item), item->checkState(0) == Qt::Checked,
                            m_withSubgroups->isChecked());
        m_groups->SetChecks([this](int id) { return m_editing.IsTicked(id); });
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeFormButton(this, "маркирай всички", QKeySequence(), QString(), [this] {
        m_editing.TickAll(m_tree);
        m_groups->SetChecks([this](int id) { return m_editing.IsTicked(id); });
    }));
    buttons->addWidget(MakeFormButton(this, "Без филтър (F5)", Qt::Key_F5, QString(), [this] {
        m_editing.Clear();
        m_groups->SetChecks([](int) { return false; });
    }));
    buttons->addStretch();
    QPushButton* apply = MakeFormButton(this, "приложи филтъра (F6)", Qt::Key_F6, QString(), [this] {
        m_filter = m_editing;
        accept();
    });
    apply->setDefault(true);
    buttons->addWidget(apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_groups, 1);
    layout->addWidget(m_withSubgroups);
    layout->addLayout(buttons);
    resize(460, 480);
}
