#include "masterdata/ui/GuiGroupChooser.h"

#include "masterdata/GroupsEditor.h"
#include "masterdata/ui/GroupTreeWidget.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

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
