#include "masterdata/ui/CUnitsEditorDlg.h"

#include "base/ui/TabOrder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CUnitsEditorDlg::CUnitsEditorDlg(Database& db, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_editor(db, prompter), m_list(new QListWidget(this)), m_edit(new QLineEdit(this)) {
    setWindowTitle("мерни единици");
    auto* header = new QLabel("мярка", this);
    header->setAlignment(Qt::AlignCenter);
    m_list->setFixedWidth(110 * logicalDpiX() / 96 + 24);
    m_edit->setMaxLength(50);
    m_save = new QPushButton("Съхрани", this);
    auto* change = new QPushButton("Редактирай", this);
    m_delete = new QPushButton("Изтрий", this);
    auto* refresh = new QPushButton("Опресни", this);
    auto* exit = new QPushButton("Изход", this);
    for (QPushButton* button : {change, m_delete, refresh, exit})
        button->setAutoDefault(false);
    m_save->setDefault(true); // Enter saves what was typed

    // Only a row the user picks counts: the list's own current row (the
    // first, when it gets the focus) is no choice.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QString unit = Selected();
        if (unit.isEmpty())
            return;
        m_edit->setText(unit);
        m_editor.Select(unit);
        m_delete->setEnabled(true);
    });
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_save->setEnabled(!text.isEmpty()); });
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (m_editor.Save(m_edit->text()))
            Show();
    });
    connect(change, &QPushButton::clicked, this, [this] {
        if (!Selected().isEmpty()) {
            m_editor.Select(Selected());
            m_edit->setFocus();
        }
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        if (m_editor.Delete(Selected()))
            Show();
    });
    connect(refresh, &QPushButton::clicked, this, [this] {
        m_editor.Refresh();
        Show();
    });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto* editBox = new QGroupBox("добавяне | редактиране", this);
    auto* editLayout = new QHBoxLayout(editBox);
    editLayout->addWidget(m_edit);
    editLayout->addWidget(m_save);

    auto* left = new QVBoxLayout;
    left->addWidget(header);
    left->addWidget(m_list, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(editBox);
    right->addWidget(change);
    right->addWidget(m_delete);
    right->addWidget(refresh);
    right->addStretch();
    right->addWidget(exit);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(420, 380);
    m_list->setAccessibleName("мярка");
    m_edit->setAccessibleName("добавяне | редактиране");
    SetTabOrder({m_edit, m_list, m_save, change, m_delete, refresh, exit});
    m_editor.Reload();
    Show();
}

QString CUnitsEditorDlg::Selected() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void CUnitsEditorDlg::Show() {
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const QString& unit : m_editor.Units()) {
        auto* item = new QListWidgetItem(unit, m_list);
        item->setTextAlignment(Qt::AlignCenter);
    }
    m_list->setCurrentRow(-1);
    m_edit->clear();
    m_edit->setFocus();
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
}
