#include "documents/ui/CCashRegisterDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "base/ui/TabOrder.h"
#include "documents/ui/CCashFilterDlg.h"
#include "documents/ui/CCashOperationDlg.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/ListExport.h"
#include "print/CashRegisterPrint.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

CCashRegisterDlg::CCashRegisterDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host),
      m_form(doc.Db(), host.GetPrompter(), host.Settings(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)),
      m_summary(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - ПРИХОДИ И РАЗХОДИ");
    m_list->SetColumns(CashRegisterForm::Columns());
    m_list->RememberWidths(host.Settings(), "CashOperations");
    m_list->setAccessibleName("операции");
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { Edit(); });
    connect(m_list, &CSortListCtrl::openRequested, this, [this] { Edit(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });
    m_summary->SetColumns(CashRegisterForm::SummaryColumns());
    m_summary->setAccessibleName("обобщение");
    m_summary->setFocusPolicy(Qt::NoFocus);
    m_summary->setFixedHeight(m_summary->horizontalHeader()->sizeHint().height() +
                              3 * m_summary->verticalHeader()->defaultSectionSize() + 4);
    m_summary->setMaximumWidth(400);

    auto* filter = MakeFormButton(this, " F2  филтър ...", Qt::Key_F2,
                                  "Задаване на условие, по което да се филтрират данните...", [this] {
                                      m_filter->show();
                                      m_filter->raise();
                                      m_filter->activateWindow();
                                  });
    auto* search = MakeFormButton(this, " F3  търсене ...", Qt::Key_F3,
                                  "Търсене по описание, основание, контрагент или номер на документ...",
                                  [this] { Search(); });
    auto* refresh = MakeFormButton(this, " F4  опресни", Qt::Key_F4,
                                   "Изчистване на търсенето и опресняване...", [this] { Refresh(); });
    auto* add = MakeFormButton(this, " F5  нова операция", Qt::Key_F5,
                               "Въвеждане на нова приходна или разходна операция...", [this] { New(); });
    m_edit = MakeFormButton(this, " F6  промяна ...", Qt::Key_F6,
                            "Промяна на маркираната операция и плащанията по нея...", [this] { Edit(); });
    m_delete = MakeFormButton(this, " F7  изтрий", Qt::Key_F7, "Изтриване на маркираната операция...",
                              [this] { Delete(); });
    auto* options =
        MakeFormButton(this, " F8  други опции ...", Qt::Key_F8, "Експорт и отпечатвани полета...", [] {});
    m_print = MakeFormButton(this, " F9  печат ...", Qt::Key_F9, "Отпечатване на визуализираните данни...",
                             [this] { Print(); });
    auto* exit = MakeFormButton(this, " F10 изход", Qt::Key_F10,
                                "Изход от този модул и връщане към началния екран на програмата...",
                                [this] { m_host.SwitchView(ViewType::kStart); });
    BuildOptions(options);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {filter, search, refresh, add, m_edit, m_delete, options, m_print, exit})
        buttons->addWidget(b);
    auto* top = new QHBoxLayout;
    top->addLayout(buttons);
    top->addWidget(m_summary, 0, Qt::AlignTop);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    SetTabOrder({m_list, filter, search, refresh, add, m_edit, m_delete, options, m_print, exit});

    m_filter = new CCashFilterDlg(doc, host, m_form.Filter(), this);
    m_filter->setWindowFlag(Qt::Window);
    connect(m_filter, &CCashFilterDlg::applied, this,
            [this](const CashFilter& chosen) { ApplyFilter(chosen); });
    Show();
    // The filter comes first: the list is read when it is applied.
    QMetaObject::invokeMethod(
        m_filter,
        [filterDialog = m_filter] {
            filterDialog->show();
            filterDialog->activateWindow();
        },
        Qt::QueuedConnection);
}

void CCashRegisterDlg::BuildOptions(QPushButton* button) {
    m_options = new QMenu(button);
    m_options->addAction("Експорт в CSV", this, [this] { ExportListShown(*m_list, m_host); });
    QMenu* fields = m_options->addMenu("Отпечатвани полета ...");
    const char* const names[] = {
        "Номер на операцията",   "Тип на операцията",      "Документ №", "Дата на създаване на операцията",
        "Краен срок за плащане", "Описание на операцията", "Контрагент", "Обща сума",
        "Изплатена сума",        "Остатък за плащане",     "Основание",  "Начин на плащане"};
    for (int field = 0; field < 12; ++field) {
        QAction* action = fields->addAction(names[field]);
        action->setCheckable(true);
        action->setChecked(m_form.PrintField(field));
        connect(action, &QAction::toggled, this, [this, field](bool on) { m_form.SetPrintField(field, on); });
    }
    button->setMenu(m_options);
}

void CCashRegisterDlg::Show(int selectRow) {
    std::vector<QStringList> rows;
    std::vector<RowTone> tones;
    for (const CashRow& row : m_form.Rows()) {
        rows.push_back(CashRegisterForm::Cells(row));
        tones.push_back(CashRegisterForm::ToneOf(row));
    }
    const int count = static_cast<int>(rows.size());
    m_list->ShowRows(std::move(rows), std::move(tones), selectRow < 0 ? 0 : std::min(selectRow, count - 1));
    m_summary->SetRows(m_form.SummaryRows());
    UpdateButtons();
}

void CCashRegisterDlg::UpdateButtons() {
    const bool selected = m_list->SelectedSource() >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_print->setEnabled(m_list->RowCount() > 0);
}

void CCashRegisterDlg::ApplyFilter(const CashFilter& filter) {
    if (m_form.ApplyFilter(filter))
        Show();
}

void CCashRegisterDlg::Search() {
    GuiTextInput input(this);
    if (m_form.AskSearch(input)) {
        Show();
        m_list->setFocus();
    }
}

void CCashRegisterDlg::Refresh() {
    if (m_form.Refresh())
        Show();
}

void CCashRegisterDlg::New() {
    GuiCashOperationEditor editor(m_doc, m_host, this);
    const int row = m_form.New(editor);
    if (row < 0)
        return;
    Show(row);
    m_list->setFocus();
}

void CCashRegisterDlg::Edit() {
    const int row = m_list->SelectedSource();
    GuiCashOperationEditor editor(m_doc, m_host, this);
    if (m_form.Edit(row, editor))
        Show(row);
}

void CCashRegisterDlg::Delete() {
    const int row = m_list->SelectedSource();
    if (m_form.Delete(row))
        Show(row);
}

void CCashRegisterDlg::Print() {
    if (m_list->RowCount() == 0)
        return;
    // Every cell of the rows as listed; the flags choose the printed columns.
    std::vector<QStringList> rows;
    for (int row = 0; row < m_list->RowCount(); ++row)
        rows.push_back(m_list->Row(row));
    const LocalSettings& settings = m_host.Settings();
    auto job = CashRegisterPrint(rows, m_form.PrintedColumns(), m_form.Filter().from, m_form.Filter().to,
                                 m_host.Printer().orientation,
                                 [&settings] { return settings.EconomicPrintMode() != 0; });
    job->SetSelection(m_list->SelectedRows());
    m_host.ShowPrintPreview(*job);
}
