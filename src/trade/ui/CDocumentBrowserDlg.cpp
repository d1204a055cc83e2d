#include "trade/ui/CDocumentBrowserDlg.h"

#include "base/Clock.h"
#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "base/ui/MenuMnemonics.h"
#include "base/ui/TabOrder.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/TimedLoad.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"
#include "trade/DocumentMarks.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

CDocumentBrowserDlg::CDocumentBrowserDlg(CTarvoDoc& doc, FormHost& host, DocumentKind kind, int partnerId,
                                         QWidget* parent)
    : QDialog(parent), m_host(host), m_browser(doc.Db(), kind, partnerId, host.Marks()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    setWindowTitle("избор на документ");
    m_list->SetColumns(m_browser.ShownColumns());
    m_list->RememberWidths(host.Settings(), QString("Documents%1").arg(static_cast<int>(kind)));
    m_list->setSelectionMode(m_browser.MultipleSelection() ? QAbstractItemView::ExtendedSelection
                                                           : QAbstractItemView::SingleSelection);
    m_list->setAccessibleName("списък на документите:");
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CDocumentBrowserDlg::accept);
    connect(m_list, &CSortListCtrl::openRequested, this, &CDocumentBrowserDlg::accept);

    const QDate today = host.GetClock().Now().date();
    m_period = new QCheckBox("само за периода:", this);
    m_from = MakeDateField(this, "от дата");
    m_from->setDate(QDate(today.year(), today.month(), 1));
    m_to = MakeDateField(this, "до дата");
    m_to->setDate(today);
    auto* periods = new CDatePeriodsBtn(m_from, m_to, host.Settings(), host.GetClock(), this);
    periods->setAutoDefault(false);
    connect(periods, &CDatePeriodsBtn::reloadRequested, this, &CDocumentBrowserDlg::Reload);
    connect(m_period, &QCheckBox::toggled, this, &CDocumentBrowserDlg::Reload);
    connect(m_from, &QDateEdit::dateChanged, this, [this] {
        if (m_period->isChecked())
            Reload();
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this] {
        if (m_period->isChecked())
            Reload();
    });

    QPushButton* search = nullptr;
    if (kind == DocumentKind::WarrantyCards) {
        // Warranty cards are searched by number and customer, or by a serial number.
        auto* menu = new QMenu(this);
        menu->addAction("търсене по номер на документ или наименование на клиент...", this,
                        [this] { Search(false); });
        menu->addAction("търсене по сериен номер...", this, [this] { Search(true); });
        GiveMnemonics(menu);
        search = MakeFormButton(this, " [F3] търсене...", Qt::Key_F3, QString(), [] {});
        search->setMenu(menu);
    } else {
        search = MakeFormButton(this, " [F3] търсене...", Qt::Key_F3, QString(), [this] { Search(false); });
    }
    QPushButton* refresh = MakeFormButton(this, " [F4] опресни", Qt::Key_F4, QString(), [this] {
        m_browser.Search().Clear();
        m_browser.SearchSerial(false);
        Reload();
    });
    QPushButton* choose = MakeFormButton(this, " [F9]  избери", Qt::Key_F9, QString(), [this] { accept(); });
    choose->setDefault(true); // Enter anywhere chooses
    QPushButton* cancel = MakeFormButton(this, " [F10] отказ", Qt::Key_F10, QString(), [this] { reject(); });

    // A mark the kind shows (the receipt of a cash sale that did not print) is mended from here.
    QPushButton* fiscal = nullptr;
    if (DocumentMarks* marks = m_browser.Marks()) {
        fiscal = MakeFormButton(this, marks->CommandCaption(), QKeySequence(), marks->CommandHint(),
                                [this] { MendMark(); });
        fiscal->setAutoDefault(false);
    }

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_period);
    filters->addWidget(m_from);
    filters->addWidget(m_to);
    filters->addWidget(periods);
    filters->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search);
    buttons->addWidget(refresh);
    if (fiscal)
        buttons->addWidget(fiscal);
    buttons->addStretch();
    buttons->addWidget(choose);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("списък на документите:", this));
    layout->addWidget(m_list, 1);
    layout->addLayout(filters);
    layout->addLayout(buttons);
    if (fiscal)
        SetTabOrder({m_list, m_period, m_from, m_to, periods, search, refresh, fiscal, choose, cancel});
    else
        SetTabOrder({m_list, m_period, m_from, m_to, periods, search, refresh, choose, cancel});
    resize(720, 520);
    Reload();
    m_list->setFocus();
}

void CDocumentBrowserDlg::MendMark() {
    const std::optional<DocumentChoice> chosen =
        m_browser.Choose(m_list->SelectedSources(), m_host.GetPrompter());
    if (!chosen)
        return;
    m_browser.Marks()->Mend(m_browser.Kind(), chosen->number);
    const int row = m_list->currentIndex().row();
    Reload();
    m_list->SelectRow(row);
}

void CDocumentBrowserDlg::Search(bool bySerial) {
    GuiTextInput input(this);
    if (!m_browser.Search().Ask(input, bySerial ? "Търсене по сериен номер:" : "Търсене по номер или име:"))
        return;
    m_browser.SearchSerial(bySerial);
    Reload();
}

void CDocumentBrowserDlg::Reload() {
    RunTimedLoad(m_host, [this] {
        m_browser.SetPeriod(m_period->isChecked(), m_from->date(), m_to->date());
        m_browser.Reload();
        std::vector<QStringList> rows;
        std::vector<RowTone> tones;
        rows.reserve(m_browser.Rows().size());
        tones.reserve(m_browser.Rows().size());
        for (const DocumentBrowser::Row& row : m_browser.Rows()) {
            rows.push_back(row.cells);
            tones.push_back(row.negative ? RowTone::Red : RowTone::Normal);
        }
        m_list->SetRows(std::move(rows), std::move(tones));
        m_list->SelectRow(m_list->RowCount() - 1);
    });
}

void CDocumentBrowserDlg::accept() {
    m_choice = m_browser.Choose(m_list->SelectedSources(), m_host.GetPrompter());
    if (m_choice)
        QDialog::accept();
}

std::optional<DocumentChoice> GuiDocumentChooser::ChooseDocument(DocumentKind kind, int partnerId) {
    CDocumentBrowserDlg dialog(m_doc, m_host, kind, partnerId, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}
