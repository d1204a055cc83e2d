#include "masterdata/ui/CGroupEditDlg.h"

#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "masterdata/ui/GroupTreeWidget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CGroupEditDlg::CGroupEditDlg(GroupsEditor& editor, const Group& group, int suggestedParent, Save save,
                             QWidget* parent)
    : QDialog(parent), m_editor(editor), m_group(group),
      m_parent(group.parentId ? group.parentId : suggestedParent), m_save(std::move(save)) {
    setWindowTitle("създаване и редакция на група");
    m_name = new QLineEdit(group.name, this);
    m_name->setMaxLength(255);
    m_name->setAccessibleName("наименование на групата:");
    m_subgroup = new QCheckBox("подгрупа на (изберете с двойно кликване)", this);
    m_subgroup->setChecked(group.parentId != 0);
    // The whole path of the parent, wrapped rather than cut off.
    m_parentName = new QLabel(this);
    m_parentName->setWordWrap(true);
    m_parentName->setFrameShape(QFrame::StyledPanel);
    m_parentName->setMinimumHeight(m_parentName->fontMetrics().height() * 2 + 8);
    auto* tree = new GroupTreeWidget(false, this);
    tree->setAccessibleName("групи");
    tree->Fill(editor.Tree());
    tree->SelectGroup(m_parent);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_parent = GroupTreeWidget::IdOf(item);
        m_subgroup->setChecked(true);
        ShowParent();
    });
    connect(m_subgroup, &QCheckBox::toggled, this, &CGroupEditDlg::ShowParent);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("наименование на групата:", this));
    layout->addWidget(m_name);
    layout->addWidget(m_subgroup);
    layout->addWidget(m_parentName);
    layout->addWidget(tree, 1);
    layout->addWidget(buttons);
    resize(440, 460);
    ShowParent();
    SetTabOrder({m_name, m_subgroup, tree, buttons->button(QDialogButtonBox::Ok),
                 buttons->button(QDialogButtonBox::Cancel)});
    m_name->setFocus();
}

void CGroupEditDlg::ShowParent() {
    if (!m_subgroup->isChecked())
        m_parentName->setText("група на най-горно ниво");
    else if (m_parent == 0)
        m_parentName->setText("подгрупа на: (изберете група с двойно кликване)");
    else
        m_parentName->setText("подгрупа на: " + m_editor.PathOf(m_parent));
}

QString CGroupEditDlg::Name() const {
    return m_name->text();
}

int CGroupEditDlg::ParentId() const {
    return m_subgroup->isChecked() ? m_parent : 0;
}

void CGroupEditDlg::accept() {
    if (!m_editor.Validate(m_group.id, Name(), m_subgroup->isChecked(), ParentId()))
        return;
    WaitCursor busy;
    if (m_save(Name(), ParentId()))
        QDialog::accept();
}
