#include "masterdata/ui/CPartnerSelectionDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/PartnerListPanel.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CPartnerSelectionDlg::CPartnerSelectionDlg(CTarvoDoc& doc, FormHost& host, PartnerTab tab, int preselectedId,
                                           QWidget* parent)
    : QDialog(parent), m_prompter(host.GetPrompter()), m_form(doc.Db(), m_prompter) {
    setWindowTitle("избор на контрагент");
    m_form.SetTab(tab);
    m_panel = new PartnerListPanel(m_form, doc.ListSortState(), PartnerListPanel::Columns::Selection, this);
    m_panel->List()->RememberWidths(host.Settings(), "PartnerSelection");
    connect(m_panel, &PartnerListPanel::tabChanged, this, [this] { Reload(m_chosen); });
    connect(m_panel->List(), &CSortListCtrl::openRequested, this, &CPartnerSelectionDlg::Choose);
    connect(m_panel->List(), &QAbstractItemView::doubleClicked, this, &CPartnerSelectionDlg::Choose);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeFormButton(this, " [F3] търсене...", Qt::Key_F3, QString(), [this] {
        GuiTextInput input(this);
        if (m_form.AskSearch(input))
            m_panel->ShowFound();
    }));
    buttons->addWidget(MakeFormButton(this, " [F4] опресни", Qt::Key_F4, QString(), [this] {
        m_form.Refresh();
        m_panel->Show();
    }));
    buttons->addWidget(MakeFormButton(this, " [F5] създаване...", Qt::Key_F5, QString(), [this] {
        GuiPartnerEditor editor(m_prompter, this);
        const int row = m_form.Create(editor);
        if (row >= 0)
            m_panel->Show(row);
    }));
    buttons->addWidget(MakeFormButton(this, " [F6] редакция...", Qt::Key_F6, QString(), [this] {
        GuiPartnerEditor editor(m_prompter, this);
        const int row = m_panel->SelectedRow();
        if (row >= 0 && m_form.Edit(row, editor))
            m_panel->Show(row);
    }));
    buttons->addStretch();
    buttons->addWidget(MakeFormButton(this, " [F9] избери", Qt::Key_F9, QString(), [this] { Choose(); }));
    buttons->addWidget(MakeFormButton(this, " [F10] отказ", Qt::Key_F10, QString(), [this] { reject(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    layout->addLayout(buttons);
    resize(900, 500);
    Reload(preselectedId);
}

void CPartnerSelectionDlg::Reload(int selectId) {
    m_form.Reload();
    m_panel->Show(m_form.RowOf(selectId));
}

void CPartnerSelectionDlg::Choose() {
    const int row = m_panel->SelectedRow();
    if (row < 0)
        return;
    m_chosen = m_form.Rows()[static_cast<size_t>(row)].id;
    accept();
}

std::optional<int> GuiPartnerChooser::ChoosePartner(PartnerTab initialTab, int preselectedId) {
    CPartnerSelectionDlg dialog(m_doc, m_host, initialTab, preselectedId, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenId();
}
