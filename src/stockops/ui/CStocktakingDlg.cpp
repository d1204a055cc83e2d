#include "stockops/ui/CStocktakingDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiNumberInput.h"
#include "base/ui/GuiTextInput.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "print/StockDocumentPrints.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

CStocktakingDlg::CStocktakingDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_form(doc.Db(), host.GetPrompter(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - РЕВИЗИЯ");
    SetPrintOrientation(0, host.Settings(), &host.Printer());
    m_list->SetColumns(StocktakingForm::Columns());
    m_list->RememberWidths(host.Settings(), "RevisionLines");
    m_list->setAccessibleName("артикули");
    connect(m_list, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { Activate(index.column()); });
    connect(m_list, &CSortListCtrl::openRequested, this, [this] { Activate(5); });

    auto* buttons = new QHBoxLayout;
    const std::vector<QWidget*> row{
        MakeFormButton(this, " F2  филтър - групи", Qt::Key_F2,
                       "Показване само на артикулите от избрани групи ...", [this] { ChooseGroups(); }),
        MakeFormButton(this, " F3  търсене ...", Qt::Key_F3, "Търсене по ключова дума ...",
                       [this] { Search(); }),
        MakeFormButton(this, " F4  опресни", Qt::Key_F4, "Показване на всички артикули на документа ...",
                       [this] {
                           m_form.Filter().Clear();
                           m_form.Search().Clear();
                           Show(SelectedLine());
                       }),
        MakeFormButton(this, " F7  редакция ...", Qt::Key_F7, "Въвеждане на намереното количество ...",
                       [this] { Activate(5); }),
        MakeFormButton(this, " F8  печат ...", Qt::Key_F8, "Отпечатване на протокола ...",
                       [this] { Print(); }),
        MakeFormButton(this, " F9  запис", Qt::Key_F9, "Запис на документа ...", [this] { Save(); }),
        MakeFormButton(this, " F10 изход", Qt::Key_F10,
                       "Изход от тази форма и връщане към началния екран на програмата ...",
                       [this] { m_host.SwitchView(ViewType::kStart); })};
    for (size_t k = 0; k < row.size(); ++k) {
        if (k == 4)
            buttons->addStretch();
        buttons->addWidget(row[k]);
    }
    auto* layout = new QVBoxLayout(this);
    QWidget* header = BuildHeader();
    layout->addWidget(header);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    std::vector<QWidget*> order{m_date};
    for (QPushButton* button : header->findChildren<QPushButton*>())
        order.push_back(button);
    order.push_back(m_allowEditing);
    order.push_back(m_list);
    order.insert(order.end(), row.begin(), row.end());
    SetTabOrder(order);
    // The window gives the form the focus: the count's list takes it, so
    // Down and F7 work at once.
    setFocusProxy(m_list);
    NewDocument();
}

QWidget* CStocktakingDlg::BuildHeader() {
    auto* header = new QWidget(this);
    m_number = new QLineEdit(header);
    m_number->setReadOnly(true);
    m_number->setFocusPolicy(Qt::NoFocus);
    m_number->setAccessibleName("Док.№");
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    m_date = MakeDateField(header, "дата:");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    auto* create = MakeFormButton(this, " F5  създаване на нов документ", Qt::Key_F5,
                                  "Нова ревизия с наличностите от склада ...", [this] { NewDocument(); });
    auto* load = MakeFormButton(this, " F6  зареждане на документ ...", Qt::Key_F6,
                                "Зареждане на съхранена ревизия ...", [this] {
                                    GuiDocumentChooser documents(m_doc, m_host, this);
                                    WaitCursor busy;
                                    if (m_form.Load(documents))
                                        Show();
                                });
    m_allowEditing = new QCheckBox("промяна на документи е разрешена", header);
    connect(m_allowEditing, &QCheckBox::toggled, this, [this](bool on) { m_form.SetEditingAllowed(on); });
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("Док.№", header));
    row->addWidget(m_number);
    row->addWidget(new QLabel("дата:", header));
    row->addWidget(m_date);
    row->addWidget(create);
    row->addWidget(load);
    row->addStretch();
    row->addWidget(m_allowEditing);
    return header;
}

int CStocktakingDlg::SelectedLine() const {
    const int source = m_list->SelectedSource();
    return source >= 0 && source < static_cast<int>(m_shown.size()) ? m_shown[static_cast<size_t>(source)]
                                                                    : -1;
}

void CStocktakingDlg::Show(int selectLine) {
    m_number->setText(m_form.NumberText());
    {
        const QSignalBlocker quiet(m_date);
        m_date->setDate(m_form.Document().date);
    }
    {
        const QSignalBlocker quiet(m_allowEditing);
        m_allowEditing->setEnabled(m_form.MayAllowEditing());
        m_allowEditing->setChecked(m_form.EditingAllowed());
    }
    m_shown = m_form.ShownLines();
    std::vector<QStringList> rows;
    rows.reserve(m_shown.size());
    int select = 0;
    for (size_t k = 0; k < m_shown.size(); ++k) {
        rows.push_back(StocktakingForm::Cells(m_form.Document().lines[static_cast<size_t>(m_shown[k])]));
        if (m_shown[k] == selectLine)
            select = static_cast<int>(k);
    }
    m_list->SetRows(std::move(rows));
    m_list->SelectRow(select);
}

void CStocktakingDlg::NewDocument() {
    QProgressDialog progress("Зареждане на наличностите ...", QString(), 0, 100, this);
    progress.setWindowTitle("TARVO");
    progress.setMinimumDuration(300);
    WaitCursor busy;
    if (m_form.NewDocument([&progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }))
        Show();
}

void CStocktakingDlg::Activate(int column) {
    const int line = SelectedLine();
    GuiNumberInput input(this);
    if (line >= 0 && m_form.Activate(line, column, input))
        Show(line);
}

void CStocktakingDlg::ChooseGroups() {
    std::vector<GroupNode> groups;
    LoadGroupTree(m_doc.Db(), groups);
    CGroupFilterDlg dialog(groups, m_form.Filter(), this);
    if (dialog.exec() == QDialog::Accepted)
        Show(SelectedLine());
}

void CStocktakingDlg::Search() {
    GuiTextInput input(this);
    if (m_form.Search().Ask(input))
        Show();
}

// The protocol holds the lines shown, so a group can be printed alone.
void CStocktakingDlg::Print() {
    const LocalSettings& settings = m_host.Settings();
    const std::unique_ptr<ListPrintJob> job = StocktakingProtocol(
        m_form.Document(), m_form.ShownLines(), [&settings] { return settings.EconomicPrintMode() != 0; });
    m_host.ShowPrintPreview(*job);
}

void CStocktakingDlg::Save() {
    {
        WaitCursor busy;
        m_form.Save();
    }
    Show(SelectedLine());
}
