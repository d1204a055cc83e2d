#include "reports/ui/CReportForm.h"

#include "base/FormHost.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiTextInput.h"
#include "base/ui/WaitCursor.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/ListExport.h"
#include "masterdata/ui/CGroupFilterDlg.h"
#include "print/ListPrintJob.h"
#include "reports/Report.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

CReportForm::CReportForm(CTarvoDoc& doc, FormHost& host, Report& report, const QString& title,
                         const std::vector<ListColumn>& columns, const QString& listName, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_report(report),
      m_list(new CSortListCtrl(doc.ListSortState(), this)), m_above(new QHBoxLayout),
      m_currencyNote(new QLabel(this)), m_under(new QVBoxLayout), m_totals(new QHBoxLayout),
      m_buttons(new QHBoxLayout) {
    host.SetFormTitle(title);
    m_list->SetColumns(columns);
    m_list->RememberWidths(host.Settings(), listName);
    m_list->setAccessibleName("справка");
    connect(m_list, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { CellActivated(index.row(), index.column()); });
    m_totals->addStretch();
    m_currencyNote->setStyleSheet("font-weight: bold;");
    m_currencyNote->hide();
    m_above->addWidget(m_currencyNote);
    m_above->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_above);
    layout->addWidget(m_list, 1);
    layout->addLayout(m_under);
    layout->addLayout(m_totals);
    layout->addLayout(m_buttons);
}

void CReportForm::CellActivated(int, int column) {
    m_report.ShowColumnSum(column);
}

QLineEdit* CReportForm::AddTotalField(const QString& accessibleName) {
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight);
    field->setAccessibleName(accessibleName);
    // Room for the caption and a figure of ten digits; the fields share what is left.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(accessibleName + "  0000000000.00") + 12);
    m_totals->addWidget(field, 1);
    return field;
}

void CReportForm::AddReportTotals() {
    for (const auto& [caption, figure] : m_report.TotalFields())
        m_totalFields.push_back(AddTotalField(caption));
}

void CReportForm::ShowReportTotals() {
    const std::vector<std::pair<QString, QString>> fields = m_report.TotalFields();
    for (size_t k = 0; k < m_totalFields.size() && k < fields.size(); ++k)
        m_totalFields[k]->setText(fields[k].first + "  " + fields[k].second);
}

void CReportForm::AddAboveList(QWidget* widget) {
    m_above->insertWidget(m_above->count() - 1, widget);
}

void CReportForm::AddUnderList(QWidget* widget) {
    m_under->addWidget(widget);
}

void CReportForm::AddButton(QPushButton* button, bool stretchBefore) {
    if (stretchBefore)
        m_buttons->addStretch();
    m_buttons->addWidget(button);
}

CGroupFilterDlg* CReportForm::AddGroupWindow() {
    LoadGroupTree(m_doc.Db(), m_groups);
    auto* window = new CGroupFilterDlg(m_groups, m_report.Filter(), this);
    window->setModal(false);
    connect(window, &QDialog::accepted, this, &CReportForm::Reload);
    AddButton(MakeFormButton(this, " F2  групи ...", Qt::Key_F2,
                             "Задаване на условие, по което да се визуализират данните, филтриране ...",
                             [window] {
                                 window->show();
                                 window->raise();
                             }));
    return window;
}

void CReportForm::AddFilterWindow(QDialog* filter) {
    AddButton(MakeFormButton(this, " F2  филтър", Qt::Key_F2,
                             "Задаване на условие, по което да се визуализират данните, филтриране ...",
                             [filter] {
                                 filter->show();
                                 filter->raise();
                             }));
    ShowWithForm(filter);
}

void CReportForm::AddCommonButtons(const QString& exportCaption) {
    AddButton(SearchButton());
    AddButton(RefreshButton());
    AddButton(ExportButton(exportCaption));
    AddButton(PrintButton(), true);
    AddButton(ExitButton());
}

void CReportForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_companion == nullptr || m_companionShown)
        return;
    m_companionShown = true;
    m_companion->show();
}

QPushButton* CReportForm::SearchButton() {
    return MakeFormButton(this, " F3  търсене ...", Qt::Key_F3, "Търсене по код или наименование ...",
                          [this] {
                              GuiTextInput input(this);
                              if (m_report.Search().Ask(input))
                                  Reload();
                          });
}

QPushButton* CReportForm::RefreshButton() {
    return MakeFormButton(this, " F4  опресни", Qt::Key_F4,
                          "Изчистване на търсенето и опресняване на данните ...", [this] {
                              m_report.Search().Clear();
                              Reload();
                          });
}

QPushButton* CReportForm::ExportButton(const QString& caption) {
    return MakeFormButton(this, caption, QKeySequence(),
                          "Експортира данните във външен CSV файл, за допълнителен анализ или обработка в "
                          "електронна таблица",
                          [this] { ExportListShown(*m_list, m_host); });
}

QPushButton* CReportForm::PrintButton() {
    m_print = MakeFormButton(this, " F9  печат ...", Qt::Key_F9, "Отпечатване на визуализираните данни...",
                             [this] { Print(); });
    m_print->setEnabled(false);
    return m_print;
}

QPushButton* CReportForm::ExitButton() {
    return MakeFormButton(this, " F10 изход", Qt::Key_F10,
                          "Изход от тази форма и връщане към началния екран на програмата ...",
                          [this] { m_host.SwitchView(ViewType::kStart); });
}

// The progress box shows only when a reload takes a while, so a fast one
// does not flash.
void CReportForm::Reload() {
    WaitCursor busy;
    QProgressDialog progress("моля, почакайте ...", QString(), 0, 100, this);
    progress.setWindowTitle("TARVO");
    progress.setMinimumDuration(500);
    m_list->setUpdatesEnabled(false);
    m_report.Reload([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_list->SetRows(m_report.Rows());
    m_list->setUpdatesEnabled(true);
    m_list->SelectRow(0);
    ShowTotals();
    const QString note = m_report.CurrencyNote();
    m_currencyNote->setText(note.isEmpty() ? QString() : "* " + note);
    m_currencyNote->setVisible(!note.isEmpty());
    if (m_print)
        m_print->setEnabled(!m_report.Rows().empty());
    m_host.SetDurationText(m_report.DurationText());
}

void CReportForm::Preview(ListPrintJob& job) {
    job.SetSelection(m_list->SelectedRows());
    job.AddSubtitleNote(m_report.CurrencyNote());
    m_host.ShowPrintPreview(job);
}

std::vector<QStringList> CReportForm::RowsInListOrder() const {
    std::vector<QStringList> rows;
    for (int row = 0; row < m_list->RowCount(); ++row)
        rows.push_back(m_list->Row(row));
    return rows;
}
