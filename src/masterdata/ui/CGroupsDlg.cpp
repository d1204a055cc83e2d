#include "masterdata/ui/CGroupsDlg.h"

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

QString CGroupEditDlg::Name() const { return m_name->text(); }

int CGroupEditDlg::ParentId() const { return m_subgroup->isChecked() ? m_parent : 0; }

void CGroupEditDlg::accept() {
    if (m_editor.Validate(m_group.id, Name(), m_subgroup->isChecked(), m_subgroup->isChecked() ? m_parent : 0))
        QDialog::accept();
}

CGroupsDlg::CGroupsDlg(Database& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_editor(db, prompter), m_tree(new GroupTreeWidget(false, this)) {
    setWindowTitle("номенклатура на групите");
    m_tree->setToolTip("Маркирайте група от структурата, за да можете да я манипулирате.");
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CGroupsDlg::Change);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MakeFormButton(this, " F2  създаване ...", Qt::Key_F2, "Създаване на нова група от артикули...",
                                      [this] { Create(); }));
    buttons->addWidget(MakeFormButton(this, " F3  промяна ...", Qt::Key_F3, "Редактиране на избраната група...",
                                      [this] { Change(); }));
    buttons->addWidget(MakeFormButton(this, " F4  изтрий", Qt::Key_F4, "Изтриване на маркираната група",
                                      [this] { Delete(); }));
    buttons->addWidget(MakeFormButton(this, " F5  опресни", Qt::Key_F5, "Опресняване на списъка с групите",
                                      [this] { Reload(); }));
    buttons->addStretch();
    buttons->addWidget(MakeFormButton(this, " F10 изход", Qt::Key_F10, "Изход от редактора на групите",
                                      [this] { reject(); }));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    resize(560, 460);
    Reload();
}

void CGroupsDlg::Reload() {
    const int current = m_tree->CurrentGroup();
    m_editor.Reload();
    m_tree->Fill(m_editor.Tree());
    m_tree->SelectGroup(current);
}

void CGroupsDlg::Create() {
    Group group;
    group.parentId = m_tree->CurrentGroup();
    CGroupEditDlg dialog(m_editor, group, this);
    if (dialog.exec() == QDialog::Accepted && m_editor.Create(dialog.Name(), dialog.ParentId())) {
        m_tree->Fill(m_editor.Tree());
        m_tree->SelectGroup(dialog.ParentId());
    }
}

void CGroupsDlg::Change() {
    const int id = m_tree->CurrentGroup();
    if (!id)
        return;
    Group group{id, m_tree->currentItem()->text(0), GroupTreeWidget::IdOf(m_tree->currentItem()->parent())};
    CGroupEditDlg dialog(m_editor, group, this);
    if (dialog.exec() == QDialog::Accepted && m_editor.Update(id, dialog.Name(), dialog.ParentId())) {
        m_tree->Fill(m_editor.Tree());
        m_tree->SelectGroup(id);
    }
}

void CGroupsDlg::Delete() {
    const int id = m_tree->CurrentGroup();
    if (id && m_editor.Delete(id))
        m_tree->Fill(m_editor.Tree());
}

std::optional<int> GuiGroupChooser::ChooseGroup(int currentGroup) {
    GroupsEditor editor(m_db, m_prompter);
    editor.Reload();
    QDialog dialog(m_parent);
    dialog.setWindowTitle("избор на група");
    auto* tree = new GroupTreeWidget(false, &dialog);
    tree->Fill(editor.Tree());
    tree->SelectGroup(currentGroup);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tree);
    layout->addWidget(buttons);
    dialog.resize(380, 420);
    if (dialog.exec() != QDialog::Accepted || !tree->CurrentGroup())
        return std::nullopt;
    return tree->CurrentGroup();
}
