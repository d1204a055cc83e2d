#include "masterdata/ui/CGroupsDlg.h"

#include "base/ui/FormButton.h"
#include "masterdata/ui/CGroupEditDlg.h"
#include "masterdata/ui/GroupTreeWidget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CGroupsDlg::CGroupsDlg(Database& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_editor(db, prompter), m_tree(new GroupTreeWidget(false, this)) {
    setWindowTitle("номенклатура на групите");
    m_tree->setToolTip("Маркирайте група от структурата, за да можете да я манипулирате.");
    // Enter or a double click opens the group.
    connect(m_tree, &QTreeWidget::itemActivated, this, &CGroupsDlg::Change);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MakeFormButton(this, " F2  създаване ...", Qt::Key_F2,
                                      "Създаване на нова група от артикули...", [this] { Create(); }));
    buttons->addWidget(MakeFormButton(this, " F3  промяна ...", Qt::Key_F3,
                                      "Редактиране на избраната група...", [this] { Change(); }));
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
    int created = 0;
    CGroupEditDlg dialog(m_editor, Group(), m_tree->CurrentGroup(),
                         [this, &created](const QString& name, int parent) {
                             return m_editor.Create(name, parent, &created);
                         });
    if (dialog.exec() == QDialog::Accepted) {
        m_tree->Fill(m_editor.Tree());
        m_tree->SelectGroup(created);
    }
}

void CGroupsDlg::Change() {
    const int id = m_tree->CurrentGroup();
    if (!id)
        return;
    Group group{id, m_tree->currentItem()->text(0), GroupTreeWidget::IdOf(m_tree->currentItem()->parent())};
    CGroupEditDlg dialog(m_editor, group, 0, [this, id](const QString& name, int parent) {
        return m_editor.Update(id, name, parent);
    });
    if (dialog.exec() == QDialog::Accepted) {
        m_tree->Fill(m_editor.Tree());
        m_tree->SelectGroup(id);
    }
}

void CGroupsDlg::Delete() {
    const int id = m_tree->CurrentGroup();
    if (id && m_editor.Delete(id))
        m_tree->Fill(m_editor.Tree());
}
