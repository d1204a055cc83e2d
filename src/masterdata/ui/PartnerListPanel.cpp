#include "masterdata/ui/PartnerListPanel.h"

#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CPartnerDlg.h"
#include "lists/ui/TabKeys.h"

#include <QTabBar>
#include <QVBoxLayout>

PartnerListPanel::PartnerListPanel(PartnersForm& form, SortState& sortState, Columns columns, QWidget* parent)
    : QWidget(parent), m_form(form), m_columns(columns), m_tabs(new QTabBar(this)),
      m_list(new CSortListCtrl(sortState, this)) {
    for (const QString& title : PartnersForm::TabTitles())
        m_tabs->addTab(title);
    m_tabs->setCurrentIndex(static_cast<int>(form.Tab()));
    m_tabs->setFocusPolicy(Qt::NoFocus);
    BindTabKeys(this, m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_form.SetTab(static_cast<PartnerTab>(index));
        Q_EMIT tabChanged();
    });

    m_list->SetColumns(columns == Columns::Full ? PartnerListColumns() : PartnerSelectionColumns());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_list);
}

void PartnerListPanel::SetTab(PartnerTab tab) {
    m_tabs->setCurrentIndex(static_cast<int>(tab));
}

void PartnerListPanel::Show(int selectRow) {
    std::vector<QStringList> rows;
    rows.reserve(m_form.Rows().size());
    for (const Partner& partner : m_form.Rows())
        rows.push_back(m_columns == Columns::Full ? PartnerListRow(partner) : PartnerSelectionRow(partner));
    m_list->ShowRows(std::move(rows), {}, selectRow);
}

void PartnerListPanel::ShowFound() {
    Show();
    if (const std::optional<PartnerTab> tab = m_form.OfferOtherTab())
        SetTab(*tab);
}

int PartnerListPanel::SelectedRow() const {
    return m_list->SelectedSource();
}

bool GuiPartnerEditor::EditPartner(Partner& record, const Save& save) {
    CPartnerDlg dialog(record, m_prompter, save, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record = dialog.Saved();
    return true;
}
