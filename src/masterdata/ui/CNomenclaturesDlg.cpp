#include "masterdata/ui/CNomenclaturesDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "base/ui/MenuMnemonics.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/ListExport.h"
#include "lists/ui/ListPrinting.h"
#include "lists/ui/TabKeys.h"
#include "lists/ui/TimedLoad.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "masterdata/ui/CGroupsDlg.h"
#include "masterdata/ui/CItemDlg.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

CNomenclaturesDlg::CNomenclaturesDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_catalogue(doc.Db(), host.GetPrompter(), host.Settings()),
      m_tabs(new QTabBar(this)), m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - СТОКИ, ИЗДЕЛИЯ и УСЛУГИ");
    for (const QString& tab : Catalogue::ViewTitles())
        m_tabs->addTab(tab);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    BindTabKeys(this, m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int view) {
        m_catalogue.SetView(ItemViews::CatalogueTabs()[static_cast<size_t>(view)]);
        Reload();
    });

    m_list->SetColumns(Catalogue::Columns());
    m_list->RememberWidths(host.Settings(), "Catalogue");
    m_list->setColumnHidden(6, host.Settings().ShowItemCostPrice() == 0);
    m_list->setToolTip("Кликнете 2 пъти върху избран от Вас запис, за да го редактирате...");
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CNomenclaturesDlg::Edit);
    connect(m_list, &CSortListCtrl::openRequested, this, &CNomenclaturesDlg::Edit);

    m_newMenu = new QMenu(this);
    m_newMenu->addAction("ново изделие или услуга...", this, [this] { Create(true); });
    m_newMenu->addAction("нова стока...", this, [this] { Create(false); });

    auto* context = new QMenu(this);
    QMenu* contextNew = context->addMenu("Създаване на нов артикул");
    contextNew->addAction("Ново изделие или услуга...", this, [this] { Create(true); });
    contextNew->addAction("Нова стока...", this, [this] { Create(false); });
    context->addAction("Редактиране", this, &CNomenclaturesDlg::Edit);
    context->addAction("Изтриване на номенклатура", this, &CNomenclaturesDlg::Delete);
    context->addAction("Създаване на артикул, базиран на маркирания...", this, &CNomenclaturesDlg::Copy);
    context->addAction("Опресняване на данните", this, &CNomenclaturesDlg::Refresh);
    QMenu* hiding = context->addMenu("Скриване/Показване на артикули");
    hiding->addAction("Запиши избраните артикули като скрити номенклатури", this,
                      [this] { SetHidden(true); });
    hiding->addAction("Винаги показвай избраните артикули в списъците", this, [this] { SetHidden(false); });
    context->addAction("Изход", this, [this] { m_host.SwitchView(ViewType::kStart); });
    GiveMnemonics(m_newMenu);
    GiveMnemonics(context);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this, context](const QPoint& at) { context->exec(m_list->viewport()->mapToGlobal(at)); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeFormButton(this, " [F2] групи...", Qt::Key_F2,
                                      "Позволява да се укаже показването само на определени групи ...",
                                      [this] { ChooseGroups(); }));
    buttons->addWidget(MakeFormButton(this, " [F3] търсене...", Qt::Key_F3,
                                      "Кликнете тук, за да осъществите търсене по ключова дума ...",
                                      [this] { Search(); }));
    buttons->addWidget(MakeFormButton(
        this, " [F4] опресни", Qt::Key_F4,
        "Опресняване на данните и изчистване на резултата от направено търсене ...", [this] { Refresh(); }));
    QPushButton* create = MakeFormButton(
        this, " [F5] създаване...", Qt::Key_F5, "Създава нова номенклатура на стока, изделие или услуга ...",
        [this] { m_newMenu->exec(mapToGlobal(QPoint(width() / 3, height() - 80))); });
    buttons->addWidget(create);
    m_edit = MakeFormButton(this, " [F6] промяна...", Qt::Key_F6,
                            "Редактиране на маркираната номенклатура ...", [this] { Edit(); });
    buttons->addWidget(m_edit);
    m_delete = MakeFormButton(this, " [F7] изтрий", Qt::Key_F7, "Изтрива маркираната номенклатура ...",
                              [this] { Delete(); });
    buttons->addWidget(m_delete);
    m_copy = MakeFormButton(this, " [F8] дублиране...", Qt::Key_F8,
                            "Създава точно копие на маркираната номенклатура ...", [this] { Copy(); });
    buttons->addWidget(m_copy);
    buttons->addWidget(
        MakeFormButton(this, "Eкспорт в CSV", QKeySequence(),
                       "Експортира данните във външен CSV файл, за допълнителен анализ или обработка в "
                       "електронна таблица",
                       [this] { Export(); }));
    m_print = MakeFormButton(this, " [F9] печат...", Qt::Key_F9, QString(), [this] { Print(); });
    buttons->addWidget(m_print);
    buttons->addWidget(MakeFormButton(this, " [F10] изход", Qt::Key_F10,
                                      "Изход от тази форма и връщане към началния екран на програмата ...",
                                      [this] { m_host.SwitchView(ViewType::kStart); }));
    buttons->addStretch();
    // The count stands beside the tabs: the row of buttons fills 1024 pixels.
    auto* tabsRow = new QHBoxLayout;
    tabsRow->addWidget(m_tabs, 1);
    tabsRow->addSpacing(12);
    tabsRow->addWidget(new QLabel("БРОЙ:", this));
    tabsRow->addSpacing(4);
    m_count = new QLabel(this);
    m_count->setMinimumWidth(60);
    tabsRow->addWidget(m_count);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addLayout(tabsRow);
    layout->addWidget(m_list, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CNomenclaturesDlg::UpdateState);
    Reload();
}

void CNomenclaturesDlg::Reload() {
    RunTimedLoad(m_host, [this] {
        // Only a long load (dirty recipes being recomputed) shows the progress box.
        QProgressDialog progress("моля, почакайте ...", QString(), 0, 100, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        m_catalogue.Reload([&progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
        });
        progress.reset();
        m_list->setColumnHidden(6, m_host.Settings().ShowItemCostPrice() == 0);
        Show();
    });
}

void CNomenclaturesDlg::Show(int selectRow) {
    std::vector<QStringList> rows;
    std::vector<RowTone> tones;
    rows.reserve(m_catalogue.Rows().size());
    tones.reserve(m_catalogue.Rows().size());
    for (const CatalogueRow& row : m_catalogue.Rows()) {
        rows.push_back(Catalogue::Cells(row));
        tones.push_back(Catalogue::Tone(row));
    }
    m_list->ShowRows(std::move(rows), std::move(tones), selectRow);
    UpdateState();
}

void CNomenclaturesDlg::UpdateState() {
    m_count->setText(QString::asprintf("%d  ", static_cast<int>(m_catalogue.Rows().size())));
    const bool selected = m_list->SelectedSource() >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_copy->setEnabled(selected);
    m_print->setEnabled(!m_catalogue.Rows().empty());
}

void CNomenclaturesDlg::ChooseGroups() {
    LoadGroupTree(m_doc.Db(), m_groups);
    CGroupFilterDlg dialog(m_groups, m_catalogue.Filter(), this);
    if (dialog.exec() == QDialog::Accepted)
        Reload();
}

void CNomenclaturesDlg::Search() {
    GuiTextInput input(this);
    if (!m_catalogue.Search().Ask(input))
        return;
    Reload();
    if (const std::optional<ItemKinds> view = m_catalogue.OfferOtherView())
        m_tabs->setCurrentIndex(ItemViews::TabIndex(ItemViews::CatalogueTabs(), *view));
}

void CNomenclaturesDlg::Refresh() {
    m_catalogue.Filter().Clear();
    m_catalogue.Search().Clear();
    Reload();
}

QString CNomenclaturesDlg::OpenItemDialog(const Item& source, bool recipe, int mode) {
    ItemForm form(m_doc.Db(), m_host.GetPrompter(), recipe ? ItemForm::Kind::Recipe : ItemForm::Kind::Goods,
                  static_cast<ItemForm::Mode>(mode), source);
    CItemDlg dialog(form, m_doc, m_host, this);
    return dialog.exec() == QDialog::Accepted ? form.Saved().code : QString();
}

void CNomenclaturesDlg::Create(bool recipe) {
    const QString code = OpenItemDialog(Item(), recipe, static_cast<int>(ItemForm::Mode::Create));
    CatalogueRow row;
    if (!code.isEmpty() && m_catalogue.RowFor(code, row))
        ShowAdded(row);
}

// A new row shows in the tabs of its kind only; elsewhere the selection stays.
void CNomenclaturesDlg::ShowAdded(const CatalogueRow& row) {
    const int added = m_catalogue.Append(row);
    Show(added >= 0 ? added : m_list->SelectedSource());
}

void CNomenclaturesDlg::Edit() {
    EditOrCopy(ItemForm::Mode::Edit);
}

void CNomenclaturesDlg::Copy() {
    EditOrCopy(ItemForm::Mode::Copy);
}

// Opens the selected item in its dialog; an edit rewrites its row, a copy
// appends a new one.
void CNomenclaturesDlg::EditOrCopy(ItemForm::Mode mode) {
    const int index = m_list->SelectedSource();
    if (index < 0)
        return;
    CatalogueRow row;
    if (!m_catalogue.RowFor(m_catalogue.Rows()[static_cast<size_t>(index)].item.code, row))
        return;
    const QString code = OpenItemDialog(row.item, row.item.isRecipe != 0, static_cast<int>(mode));
    if (code.isEmpty() || !m_catalogue.RowFor(code, row))
        return;
    if (mode == ItemForm::Mode::Edit) {
        Show(m_catalogue.Replace(index, row));
    } else {
        ShowAdded(row);
    }
}

void CNomenclaturesDlg::Delete() {
    const int index = m_list->SelectedSource();
    if (index >= 0 && m_catalogue.Delete(index))
        Show(RowAfterRemoval(index, static_cast<int>(m_catalogue.Rows().size())));
}

void CNomenclaturesDlg::SetHidden(bool hidden) {
    const std::vector<int> rows = m_list->SelectedSources();
    if (m_catalogue.SetHidden(rows, hidden))
        UpdateState();
}

void CNomenclaturesDlg::Export() {
    ExportListShown(*m_list, m_host);
}

void CNomenclaturesDlg::Print() {
    std::vector<QStringList> cells;
    for (const CatalogueRow& row : m_catalogue.Rows())
        cells.push_back(Catalogue::Cells(row));
    PrintListAsOfToday(*m_list, Catalogue::Columns(), cells,
                       "НОМЕНКЛАТУРА НА МАТЕРИАЛИ, СТОКИ, ИЗДЕЛИЯ И УСЛУГИ", m_host);
}
