#include "masterdata/ui/CGroupEditDlg.h"

#include "base/ui/FormButton.h"
#include "masterdata/ui/GroupTreeWidget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString nameOf(const std::vector<GroupNode>& nodes, int id) {
    for (const GroupNode& node : nodes) {
        if (node.group.id == id)
            return node.group.name;
        QString below = nameOf(node.children, id);
        if (!below.isEmpty())
            return below;
    }
    return QString();
}
} // namespace

CGroupEditDlg::CGroupEditDlg(GroupsEditor& editor, const Group& group, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_group(group), m_parent(group.parentId) {
    setWindowTitle("създаване и редакция на група");
    m_name = new QLineEdit(group.name, this);
    m_name->setMaxLength(255);
    m_subgroup = new QCheckBox("подгрупа на (изберете с двойно кликване)", this);
    m_subgroup->setChecked(group.parentId != 0);
    m_parentName = new QLabel(nameOf(editor.Tree(), group.parentId), this);
    auto* tree = new GroupTreeWidget(false, this);
    tree->Fill(editor.Tree());
    tree->SelectGroup(group.parentId);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_parent = GroupTreeWidget::IdOf(item);
        m_parentName->setText(item->text(0));
        m_subgroup->setChecked(true);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("наименование на групата:", this));
    layout->addWidget(m_name);
    auto* parentRow = new QHBoxLayout;
    parentRow->addWidget(m_subgroup);
    parentRow->addWidget(m_parentName, 1);
    layout->addLayout(parentRow);
    layout->addWidget(tree, 1);
    layout->addWidget(buttons);
    resize(420, 420);
    m_name->setFocus();
}

QString CGroupEditDlg::Name() const {
    return m_name->text();
}

int CGroupEditDlg::ParentId() const {
    return m_subgroup->isChecked() ? m_parent : 0;
}

void CGroupEditDlg::accept() {
    if (m_editor.Validate(m_group.id, Name(), m_subgroup->isChecked(),
                          m_subgroup->isChecked() ? m_parent : 0))
        QDialog::accept();
}
