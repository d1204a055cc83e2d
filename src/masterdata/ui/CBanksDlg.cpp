#include "masterdata/ui/CBanksDlg.h"

#include "base/ui/TabOrder.h"
#include "lists/ui/CSortListCtrl.h"
#include "session/TarvoDoc.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CBanksDlg::CBanksDlg(CTarvoDoc& doc, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_editor(doc, m_sleeper, prompter),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    setWindowTitle("номенклатура на банките");
    m_list->AddColumn("", 0, Qt::AlignLeft, SortType::Integer);
    m_list->setColumnHidden(0, true);
    m_list->AddColumn("име на банката", 195, Qt::AlignLeft, SortType::Text);
    m_list->AddColumn("клон", 95, Qt::AlignLeft, SortType::Text);
    m_list->AddColumn("BIC", 75, Qt::AlignLeft, SortType::Text);
    m_list->AddColumn("IBAN", 175, Qt::AlignLeft, SortType::Text);
    // An IBAN of 22 characters and more shows whole; the column takes the room left.
    m_list->setColumnWidth(4, std::max(m_list->columnWidth(4),
                                       m_list->fontMetrics().horizontalAdvance("BG00WWWW00000000000000") + 16));
    m_list->horizontalHeader()->setStretchLastSection(true);
    connect(m_list, &CSortListCtrl::openRequested, this, &CBanksDlg::StartEditing);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CBanksDlg::StartEditing);

    m_name = new QLineEdit(this);
    m_branch = new QLineEdit(this);
    m_code = new QLineEdit(this);
    m_account = new QLineEdit(this);
    auto* fields = new QFormLayout;
    fields->addRow("БАНКА:", m_name);
    fields->addRow("КЛОН:", m_branch);
    fields->addRow("BIC:", m_code);
    fields->addRow("IBAN:", m_account);

    m_save = new QPushButton(this);
    m_edit = new QPushButton("редакция", this);
    m_delete = new QPushButton("изтрий", this);
    auto* exit = new QPushButton("изход", this);
    for (QPushButton* button : {m_edit, m_delete, exit})
        button->setAutoDefault(false);
    m_save->setDefault(true); // Enter in the fields saves the account
    connect(m_save, &QPushButton::clicked, this, &CBanksDlg::Save);
    connect(m_edit, &QPushButton::clicked, this, &CBanksDlg::StartEditing);
    connect(m_delete, &QPushButton::clicked, this, &CBanksDlg::Delete);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_edit->setEnabled(SelectedId() > 0);
        m_delete->setEnabled(SelectedId() > 0);
    });
    resize(620, 460);
    m_editor.Reload();
    Show();
    ShowFields();
    m_list->setAccessibleName("сметки");
    SetTabOrder({m_name, m_branch, m_code, m_account, m_save, m_edit, m_delete, exit, m_list});
    m_name->setFocus();
}

void CBanksDlg::Show() {
    std::vector<QStringList> rows;
    for (const Bank& bank : m_editor.Accounts())
        rows.push_back({QString::number(bank.id), bank.name, bank.branch, bank.code, bank.account});
    m_list->SetRows(std::move(rows));
    m_list->clearSelection();
    m_edit->setEnabled(false);
    m_delete->setEnabled(false);
}

void CBanksDlg::ShowFields() {
    const Bank& editing = m_editor.Editing();
    m_name->setText(editing.name);
    m_branch->setText(editing.branch);
    m_code->setText(editing.code);
    m_account->setText(editing.account);
    m_save->setText(m_editor.SaveCaption());
}

int CBanksDlg::SelectedId() const {
    const int row = m_list->CurrentRow();
    return row < 0 || m_list->SelectedRows().empty() ? 0 : m_list->Row(row).value(0).toInt();
}

void CBanksDlg::StartEditing() {
    if (SelectedId() && m_editor.StartEditing(SelectedId()))
        ShowFields();
}

void CBanksDlg::Save() {
    if (m_editor.Save({0, m_name->text(), m_branch->text(), m_code->text(), m_account->text()})) {
        Show();
        ShowFields();
    }
}

void CBanksDlg::Delete() {
    const int id = SelectedId();
    if (id && m_editor.Delete(id)) {
        Show();
        ShowFields();
    }
}
