#include "masterdata/ui/CPartnersDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/ListExport.h"
#include "lists/ui/ListPrinting.h"
#include "lists/ui/TimedLoad.h"
#include "masterdata/ui/PartnerListPanel.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"

#include <QApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CPartnersDlg::CPartnersDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_form(doc.Db(), host.GetPrompter()) {
    host.SetFormTitle("TARVO - КОНТРАГЕНТИ");
    m_panel = new PartnerListPanel(m_form, doc.ListSortState(), PartnerListPanel::Columns::Full, this);
    m_panel->List()->RememberWidths(host.Settings(), "Partners");
    connect(m_panel, &PartnerListPanel::tabChanged, this, &CPartnersDlg::Reload);
    connect(m_panel->List(), &CSortListCtrl::openRequested, this, &CPartnersDlg::Edit);
    connect(m_panel->List(), &QAbstractItemView::doubleClicked, this, &CPartnersDlg::Edit);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3); // the buttons and the count fit 1024 pixels
    buttons->addWidget(MakeFormButton(this, " [F3] търсене...", Qt::Key_F3,
                                      "Търсене на контрагент по ключови думи...", [this] { Search(); }));
    buttons->addWidget(MakeFormButton(this, " [F4] опресни", Qt::Key_F4,
                                      "Опресняване на данните и изчистване на резултатите от търсенето...",
                                      [this] { Refresh(); }));
    buttons->addWidget(MakeFormButton(this, " [F5] създаване...", Qt::Key_F5,
                                      "Създаване на нов клиент или доставчик...", [this] { Create(); }));
    m_edit = MakeFormButton(this, " [F6] редакция...", Qt::Key_F6, "Редактиране на избрания контрагент...",
                            [this] { Edit(); });
    buttons->addWidget(m_edit);
    m_delete = MakeFormButton(this, " [F7] изтрий", Qt::Key_F7, "Изтриване на избрания контрагент...",
                              [this] { Delete(); });
    buttons->addWidget(m_delete);
    buttons->addWidget(MakeFormButton(this, " [F8] експорт в CSV", Qt::Key_F8,
                                      "Експорт на списъка с контрагентите в CSV формат...",
                                      [this] { Export(); }));
    m_print = MakeFormButton(this, "[F9] отпечатване...", Qt::Key_F9,
                             "Отпечатване на списъка с контрагентите...", [this] { Print(); });
    buttons->addWidget(m_print);
    buttons->addWidget(MakeFormButton(this, " [F10] изход", Qt::Key_F10,
                                      "Изход от този модул и връщане към началния екран на програмата...",
                                      [this] { m_host.SwitchView(ViewType::kStart); }));
    buttons->addStretch();
    buttons->addWidget(new QLabel(" БРОЙ:", this));
    m_count = new QLineEdit(this);
    m_count->setReadOnly(true);
    m_count->setFocusPolicy(Qt::NoFocus);
    m_count->setFixedWidth(60);
    m_count->setAlignment(Qt::AlignRight);
    buttons->addWidget(m_count);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    layout->addLayout(buttons);
    connect(m_panel->List()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CPartnersDlg::UpdateState);
    Reload();
}

void CPartnersDlg::Reload() {
    RunTimedLoad(m_host, [this] {
        m_form.Reload();
        m_panel->Show();
    });
    UpdateState();
}

void CPartnersDlg::UpdateState() {
    m_count->setText(QString::number(m_form.Rows().size()));
    const bool selected = m_panel->SelectedRow() >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_print->setEnabled(!m_form.Rows().empty());
}

void CPartnersDlg::Search() {
    GuiTextInput input(this);
    if (m_form.AskSearch(input)) {
        m_panel->ShowFound();
        UpdateState();
    }
}

void CPartnersDlg::Refresh() {
    Reload();
}

void CPartnersDlg::Create() {
    GuiPartnerEditor editor(m_host.GetPrompter(), this);
    const int row = m_form.Create(editor);
    if (row >= 0) {
        m_panel->Show(row);
        UpdateState();
    }
}

void CPartnersDlg::Edit() {
    const int row = m_panel->SelectedRow();
    GuiPartnerEditor editor(m_host.GetPrompter(), this);
    if (row >= 0 && m_form.Edit(row, editor))
        m_panel->Show(row);
}

void CPartnersDlg::Delete() {
    const int row = m_panel->SelectedRow();
    if (row >= 0 && m_form.Delete(row)) {
        m_panel->Show(RowAfterRemoval(row, static_cast<int>(m_form.Rows().size())));
        UpdateState();
    }
}

void CPartnersDlg::Export() {
    ExportListShown(*m_panel->List(), m_host);
}

void CPartnersDlg::Print() {
    std::vector<QStringList> cells;
    for (const Partner& partner : m_form.Rows())
        cells.push_back(PartnerListRow(partner));
    PrintListAsOfToday(*m_panel->List(), PartnerListColumns(), cells, "НОМЕНКЛАТУРА НА КОНТРАГЕНТИТЕ",
                       m_host);
}
