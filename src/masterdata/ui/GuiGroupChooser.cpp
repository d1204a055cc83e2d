#include "masterdata/ui/GuiGroupChooser.h"

#include "base/ui/TabOrder.h"
#include "masterdata/GroupsEditor.h"
#include "masterdata/ui/CGroupEditDlg.h"
#include "masterdata/ui/GroupTreeWidget.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<int> GuiGroupChooser::ChooseGroup(int currentGroup) {
    GroupsEditor editor(m_db, m_prompter);
    editor.Reload();
    QDialog dialog(m_parent);
    dialog.setWindowTitle("избор на група");
    auto* tree = new GroupTreeWidget(false, &dialog);
    tree->setAccessibleName("групи");
    tree->Fill(editor.Tree());
    tree->SelectGroup(currentGroup);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // The first group of an empty catalogue is made where it is missed.
    QPushButton* create = buttons->addButton("нова група ...", QDialogButtonBox::ActionRole);
    create->setAutoDefault(false);
    QObject::connect(create, &QPushButton::clicked, &dialog, [&] {
        int created = 0;
        CGroupEditDlg edit(
            editor, Group(), tree->CurrentGroup(),
            [&](const QString& name, int parent) { return editor.Create(name, parent, &created); }, &dialog);
        if (edit.exec() != QDialog::Accepted)
            return;
        tree->Fill(editor.Tree());
        tree->SelectGroup(created);
        tree->setFocus();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tree);
    layout->addWidget(buttons);
    SetTabOrder(
        {tree, create, buttons->button(QDialogButtonBox::Ok), buttons->button(QDialogButtonBox::Cancel)});
    tree->setFocus();
    dialog.resize(380, 420);
    if (dialog.exec() != QDialog::Accepted || !tree->CurrentGroup())
        return std::nullopt;
    return tree->CurrentGroup();
}
