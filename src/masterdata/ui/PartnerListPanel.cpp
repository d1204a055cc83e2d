#include "masterdata/ui/PartnerListPanel.h"

#include "masterdata/ui/CNewContragentDlg.h"
#include "lists/ui/CSortListCtrl.h"

#include <QTabBar>
#include <QVBoxLayout>

PartnerListPanel::PartnerListPanel(PartnersForm& form, SortState& sortState, Columns columns, QWidget* parent)
    : QWidget(parent), m_form(form), m_columns(columns), m_tabs(new QTabBar(this)),
      m_list(new CSortListCtrl(sortState, this)) {
    m_tabs->addTab("клиенти и доставчици");
    m_tabs->addTab("клиенти");
    m_tabs->addTab("доставчици");
    m_tabs->setCurrentIndex(static_cast<int>(form.Tab()));
    m_tabs->setFocusPolicy(Qt::NoFocus);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_form.SetTab(static_cast<PartnerTab>(index));
        Q_EMIT tabChanged();
    });

    struct Column {
        int width;
        Qt::Alignment alignment;
    };
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter;
    if (columns == Columns::Full) {
        const Column layout[] = {{250, left},  {30, centre},  {30, centre},  {100, left},   {200, left},
                                 {85, centre}, {80, centre},  {95, centre},  {150, left},   {85, left},
                                 {85, left},   {150, left},   {200, left},   {175, left},   {150, left},
                                 {120, left},  {100, left},   {100, centre}, {110, centre}, {300, left}};
        const QStringList titles = PartnerListTitles();
        for (int k = 0; k < titles.size(); ++k)
            m_list->AddColumn(titles[k], layout[k].width, layout[k].alignment, SortType::Text);
    } else {
        const Column layout[] = {{250, left},  {30, centre},  {30, centre}, {85, centre},
                                 {40, centre}, {100, left},   {200, left},  {150, left}};
        const QStringList titles = PartnerSelectionTitles();
        for (int k = 0; k < titles.size(); ++k)
            m_list->AddColumn(titles[k], layout[k].width, layout[k].alignment, SortType::Text);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_list);
}

void PartnerListPanel::SetTab(PartnerTab tab) { m_tabs->setCurrentIndex(static_cast<int>(tab)); }

void PartnerListPanel::Show(int selectRow) {
    std::vector<QStringList> rows;
    rows.reserve(m_form.Rows().size());
    for (const Partner& partner : m_form.Rows())
        rows.push_back(m_columns == Columns::Full ? PartnerListRow(partner) : PartnerSelectionRow(partner));
    m_list->SetRows(std::move(rows));
    m_list->Model().Sort(0, true);
    int listRow = 0;
    for (int row = 0; row < m_list->RowCount(); ++row)
        if (m_list->Model().SourceIndex(row) == selectRow)
            listRow = row;
    m_list->SelectRow(listRow);
}

int PartnerListPanel::SelectedRow() const {
    const int row = m_list->CurrentRow();
    return row < 0 ? -1 : m_list->Model().SourceIndex(row);
}

std::vector<int> PartnerListPanel::SelectedRows() const {
    std::vector<int> rows;
    for (int row : m_list->SelectedRows())
        rows.push_back(m_list->Model().SourceIndex(row));
    return rows;
}

bool GuiPartnerEditor::EditPartner(Partner& record, const Save& save) {
    CNewContragentDlg dialog(record, m_prompter, save, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record = dialog.Saved();
    return true;
}
