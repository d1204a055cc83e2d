#include "masterdata/ui/CItemPickerDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/TabKeys.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "masterdata/ui/CGroupsDlg.h"
#include "masterdata/ui/CItemDlg.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

CItemPickerDlg::CItemPickerDlg(CTarvoDoc& doc, FormHost& host, ItemKinds allowed, ItemKinds tab,
                               QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_prompter(host.GetPrompter()),
      m_picker(doc.Db(), m_prompter, host.Settings(), allowed), m_tabs(new QTabBar(this)),
      m_list(new CSortListCtrl(doc.ListSortState(), this)), m_search(new QLineEdit(this)) {
    setWindowTitle("Избор на артикули");
    for (const QString& name : ItemPicker::TabTitles())
        m_tabs->addTab(name);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    const std::vector<ItemKinds>& tabs = ItemViews::PickerTabs();
    BindTabKeys(this, m_tabs,
                [allowed, &tabs](int index) { return allowed.Contains(tabs[static_cast<size_t>(index)]); });
    m_picker.SelectTab(m_picker.FirstAllowed(tab));
    m_tabs->setCurrentIndex(ItemViews::TabIndex(tabs, m_picker.Tab()));
    connect(m_tabs, &QTabBar::currentChanged, this, [this, &tabs](int index) {
        if (m_picker.SelectTab(tabs[static_cast<size_t>(index)])) {
            Reload();
            return;
        }
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(ItemViews::TabIndex(tabs, m_picker.Tab()));
    });

    m_list->SetColumns(ItemPicker::Columns());
    m_list->RememberWidths(host.Settings(), "ItemPicker");
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list, &CSortListCtrl::openRequested, this, &CItemPickerDlg::Choose);
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CItemPickerDlg::Choose);

    // Enter in the search box filters the list and hands it the focus, so the
    // next Enter chooses the row.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        m_picker.Search().Set(m_search->text());
        Reload();
        OfferOtherTab();
        m_list->setFocus();
    });

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel("ТЪРСЕНЕ:", this));
    searchRow->addWidget(m_search, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeFormButton(this, " [F2] групи", Qt::Key_F2, QString(), [this] {
        LoadGroupTree(m_doc.Db(), m_groups);
        CGroupFilterDlg dialog(m_groups, m_picker.Filter(), this);
        if (dialog.exec() == QDialog::Accepted)
            Reload();
    }));
    buttons->addWidget(MakeFormButton(this, " [F3] търсене...", Qt::Key_F3, QString(), [this] {
        GuiTextInput input(this);
        if (m_picker.Search().Ask(input)) {
            m_search->setText(m_picker.Search().Text());
            Reload();
            OfferOtherTab();
        }
    }));
    buttons->addWidget(MakeFormButton(this, " [F4] опресни", Qt::Key_F4, QString(), [this] {
        m_picker.Search().Clear();
        m_picker.Filter().Clear();
        m_search->clear();
        Reload();
    }));
    buttons->addWidget(
        MakeFormButton(this, " [F5] създаване...", Qt::Key_F5, QString(), [this] { CreateOrCopy(false); }));
    buttons->addWidget(
        MakeFormButton(this, " [F8] дублиране...", Qt::Key_F8, QString(), [this] { CreateOrCopy(true); }));
    buttons->addStretch();
    buttons->addWidget(MakeFormButton(this, " [F9]  избери", Qt::Key_F9, QString(), [this] { Choose(); }));
    buttons->addWidget(MakeFormButton(this, " [F10] изход", Qt::Key_F10, QString(), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_tabs);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(820, 520);
    Reload();
    m_list->setFocus();
}

void CItemPickerDlg::Reload(const QString& selectCode) {
    m_picker.Reload();
    std::vector<QStringList> rows;
    rows.reserve(m_picker.Rows().size());
    int select = 0;
    for (const PickerRow& row : m_picker.Rows()) {
        if (row.code == selectCode)
            select = static_cast<int>(rows.size());
        rows.push_back(ItemPicker::Cells(row));
    }
    m_list->SetRows(std::move(rows));
    m_list->SelectRow(select);
}

void CItemPickerDlg::OfferOtherTab() {
    if (const std::optional<ItemKinds> tab = m_picker.OfferOtherTab())
        m_tabs->setCurrentIndex(ItemViews::TabIndex(ItemViews::PickerTabs(), *tab));
}

void CItemPickerDlg::Choose() {
    const int row = m_list->CurrentRow();
    if (row < 0)
        return;
    m_chosen = m_list->Row(row).value(0);
    accept();
}

// A new item, or a copy of the selected one, made with the item dialogs.
void CItemPickerDlg::CreateOrCopy(bool copy) {
    Item source;
    const int row = m_list->CurrentRow();
    if (copy && (row < 0 || !LoadItem(m_doc.Db(), m_list->Row(row).value(0), source)))
        return;
    const bool recipe = copy ? source.isRecipe != 0 : m_picker.CreatesRecipe();
    ItemForm form(m_doc.Db(), m_prompter, recipe ? ItemForm::Kind::Recipe : ItemForm::Kind::Goods,
                  copy ? ItemForm::Mode::Copy : ItemForm::Mode::Create, source);
    CItemDlg dialog(form, m_doc, m_host, this);
    if (dialog.exec() == QDialog::Accepted)
        Reload(form.Saved().code);
}

std::optional<QString> GuiItemChooser::ChooseItem(ItemKinds allowed, ItemKinds tab) {
    CItemPickerDlg dialog(m_doc, m_host, allowed, tab, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenCode();
}
