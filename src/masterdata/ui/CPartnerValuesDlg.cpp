#include "masterdata/ui/CPartnerValuesDlg.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "session/TarvoDoc.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CPartnerValuesDlg::CPartnerValuesDlg(CTarvoDoc& doc, FormHost& host, PartnerItemValues::Kind kind,
                                     const QString& itemCode, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_prompter(host.GetPrompter()),
      m_values(doc.Db(), m_prompter, kind, itemCode), m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    setWindowTitle(m_values.Title());
    m_list->AddColumn("", 0, Qt::AlignLeft, SortType::Integer);
    m_list->AddColumn("", 0, Qt::AlignLeft, SortType::Integer);
    m_list->setColumnHidden(0, true);
    m_list->setColumnHidden(1, true);
    m_list->AddColumn("наименование на контрагента", 330, Qt::AlignLeft, SortType::Text);
    m_list->AddColumn(m_values.ValueTitle(), 200,
                      kind == PartnerItemValues::Kind::Prices ? Qt::AlignRight : Qt::AlignLeft,
                      kind == PartnerItemValues::Kind::Prices ? SortType::Decimal : SortType::Text);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeFormButton(this, "добавяне... (F5)", Qt::Key_F5, QString(), [this] {
        GuiPartnerChooser partners(m_doc, m_host, this);
        GuiTextInput input(this);
        if (m_values.Add(partners, input))
            Show();
    }));
    buttons->addWidget(MakeFormButton(this, "промяна... (F6)", Qt::Key_F6, QString(), [this] {
        GuiTextInput input(this);
        if (m_values.Change(Selected(), input))
            Show();
    }));
    buttons->addWidget(MakeFormButton(this, "изтриване (F7)", Qt::Key_F7, QString(), [this] {
        if (m_values.Delete(Selected()))
            Show();
    }));
    buttons->addStretch();
    buttons->addWidget(MakeFormButton(this, "изход (F10)", Qt::Key_F10, QString(), [this] { reject(); }));
    connect(m_list, &CSortListCtrl::openRequested, this, [this] {
        GuiTextInput input(this);
        if (m_values.Change(Selected(), input))
            Show();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(600, 360);
    m_values.Reload();
    Show();
}

int CPartnerValuesDlg::Selected() const {
    const int row = m_list->CurrentRow();
    return row < 0 ? -1 : m_list->Model().SourceIndex(row);
}

void CPartnerValuesDlg::Show() {
    std::vector<QStringList> rows;
    for (const auto& row : m_values.Rows())
        rows.push_back(
            {QString::number(row.recId), QString::number(row.partnerId), row.partnerName, row.value});
    m_list->SetRows(std::move(rows));
    m_list->SelectRow(0);
}
