#include "stockops/ui/CRequestDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/FormButton.h"
#include "base/ui/MenuKeys.h"
#include "base/ui/MenuMnemonics.h"
#include "base/ui/TabOrder.h"
#include "format/DocNumber.h"
#include "lists/ui/CSortListCtrl.h"
#include "lists/ui/ListExport.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "print/SupplierRequestJob.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "stockops/RequestPrintout.h"
#include "stockops/ui/CRequestLineDlg.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

CRequestDlg::CRequestDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host),
      m_form(doc.Db(), host.GetPrompter(), host.Settings(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - ЗАЯВКИ");
    m_list->SetColumns(RequestForm::Columns(true));
    m_list->RememberWidths(host.Settings(), "RequestLines");
    m_list->setAccessibleName("артикули");
    m_list->setToolTip("Артикулите в заявката. Двукратно кликване върху ред го отваря за промяна...");
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { EditLine(); });
    connect(m_list, &CSortListCtrl::openRequested, this, [this] { EditLine(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });

    auto* load = MakeFormButton(this, " [F6] зареждане...", Qt::Key_F6, "Зареждане на съхранена заявка...",
                                [this] { Load(); });
    auto* newButton = MakeFormButton(this, " [F7] нова заявка", Qt::Key_F7,
                                     "Нова заявка към доставчик, без или с цени...", [] {});
    auto* supplier =
        MakeFormButton(this, " [F8] избор на доставчик...", Qt::Key_F8,
                       "Избор на доставчика, към когото е заявката...", [this] { ChooseSupplier(); });
    auto* extra = new QPushButton("допълн. функции", this);
    extra->setToolTip("Език на печата, валута на заявката и експорт на списъка...");
    BuildMenus(newButton, extra);
    auto* add = MakeFormButton(this, " [F2] стоки...", Qt::Key_F2, "Добавяне на артикул към заявката...",
                               [this] { AddLine(); });
    m_edit = MakeFormButton(this, " [F3]  промяна...", Qt::Key_F3,
                            "Промяна на количеството, цената или бележката на маркирания ред...",
                            [this] { EditLine(); });
    m_delete = MakeFormButton(this, " [F4]  изтрий", Qt::Key_F4, "Изтриване на маркирания ред...",
                              [this] { DeleteLine(); });
    auto* save = MakeFormButton(this, " [F9]  запис и печат", Qt::Key_F9, "Запис и печат на заявката...",
                                [this] { SaveAndPrint(); });
    auto* exit = MakeFormButton(this, " [F10] изход", Qt::Key_F10, "Изход от модула за заявки...",
                                [this] { m_host.SwitchView(ViewType::kStart); });
    m_totalCaption = new QLabel(this);
    m_total = new QLineEdit(this);
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAlignment(Qt::AlignRight);
    m_total->setMaximumWidth(140);

    auto* topRow = new QHBoxLayout;
    for (QWidget* button : {load, newButton, supplier})
        topRow->addWidget(button);
    topRow->addStretch();
    topRow->addWidget(extra);
    auto* bottomRow = new QHBoxLayout;
    for (QWidget* button : {add, m_edit, m_delete})
        bottomRow->addWidget(button);
    bottomRow->addStretch();
    bottomRow->addWidget(m_totalCaption);
    bottomRow->addWidget(m_total);
    bottomRow->addSpacing(16);
    bottomRow->addWidget(save);
    bottomRow->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(BuildHeader());
    layout->addWidget(m_list, 1);
    layout->addLayout(bottomRow);
    SetTabOrder({load, newButton, supplier, extra, m_date, m_preparedBy, m_carrier, m_completed, m_notes,
                 m_list, add, m_edit, m_delete, save, exit});
    m_form.Start();
    Show();
}

void CRequestDlg::BuildMenus(QPushButton* newButton, QPushButton* extraButton) {
    m_newMenu = new QMenu(newButton);
    QAction* plain = m_newMenu->addAction("Заявка без доставни цени", this, [this] { New(false); });
    plain->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F7));
    QAction* priced = m_newMenu->addAction("Заявка с цени", this, [this] { New(true); });
    priced->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    newButton->setMenu(m_newMenu);

    m_extraMenu = new QMenu(extraButton);
    QMenu* language = m_extraMenu->addMenu("Заявките се отпечатват на");
    m_languages = new QActionGroup(this);
    const int chosen = m_host.Settings().OrdersPrnLang() == 1 ? 1 : 0;
    const char* const languages[] = {"български език", "английски език"};
    for (int k = 0; k < 2; ++k) {
        QAction* action =
            language->addAction(languages[k], this, [this, k] { m_host.Settings().SetOrdersPrnLang(k); });
        action->setCheckable(true);
        action->setChecked(k == chosen);
        m_languages->addAction(action);
    }
    QMenu* currency = m_extraMenu->addMenu("Валута");
    m_currencies = new QActionGroup(this);
    for (const char* code : kRequestCurrencies) {
        QAction* action = currency->addAction(code, this, [this, code] { SetCurrency(code); });
        action->setCheckable(true);
        action->setData(QString(code));
        m_currencies->addAction(action);
    }
    m_extraMenu->addSeparator();
    m_extraMenu->addAction("Експорт в CSV...", this, [this] { ExportCsv(); });
    extraButton->setMenu(m_extraMenu);

    for (QMenu* menu : {m_newMenu, m_extraMenu})
        GiveMnemonics(menu);
    BindMenuKeys(this, m_newMenu);
}

QWidget* CRequestDlg::BuildHeader() {
    auto* header = new QWidget(this);
    m_number = new QLineEdit(header);
    m_number->setReadOnly(true);
    m_number->setFocusPolicy(Qt::NoFocus);
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    m_number->setToolTip("Номерът на заявката се дава от програмата...");
    m_date = MakeDateField(header, "дата:");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    m_supplier = new QLineEdit(header);
    m_supplier->setReadOnly(true);
    m_supplier->setFocusPolicy(Qt::NoFocus);
    m_supplier->setToolTip("Избраният доставчик ([F8])");
    m_preparedBy = new QLineEdit(header);
    m_preparedBy->setMaxLength(100);
    m_preparedBy->setToolTip("Името на лицето, което изготвя заявката");
    connect(m_preparedBy, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetPreparedBy(text); });
    m_carrier = new QComboBox(header);
    m_carrier->setEditable(true);
    m_carrier->setInsertPolicy(QComboBox::NoInsert);
    m_carrier->lineEdit()->setMaxLength(100);
    m_carrier->setAccessibleName("превозвач:");
    m_carrier->setToolTip("Превозвачът на стоките: изберете от досега вписаните или впишете нов");
    connect(m_carrier, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_form.SetCarrier(text); });
    m_completed = new QCheckBox("изпълнена", header);
    m_completed->setToolTip("Отбележете, когато доставчикът е изпълнил заявката");
    connect(m_completed, &QCheckBox::toggled, this, [this](bool on) { m_form.SetCompleted(on); });
    m_notes = new QLineEdit(header);
    m_notes->setMaxLength(255);
    connect(m_notes, &QLineEdit::textEdited, this, [this](const QString& text) { m_form.SetNotes(text); });

    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("заявка №", header), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(new QLabel("дата:", header), 0, 2);
    grid->addWidget(m_date, 0, 3);
    grid->addWidget(new QLabel("доставчик:", header), 0, 4);
    grid->addWidget(m_supplier, 0, 5, 1, 3);
    grid->addWidget(new QLabel("изготвил:", header), 1, 0);
    grid->addWidget(m_preparedBy, 1, 1, 1, 3);
    grid->addWidget(new QLabel("превозвач:", header), 1, 4);
    grid->addWidget(m_carrier, 1, 5);
    grid->addWidget(m_completed, 1, 6);
    grid->addWidget(new QLabel("ЗАБЕЛЕЖКИ:", header), 2, 0);
    grid->addWidget(m_notes, 2, 1, 1, 7);
    grid->setColumnStretch(5, 1);
    return header;
}

void CRequestDlg::Show(int selectLine) {
    const SupplierRequest& request = m_form.Request();
    m_number->setText(FormatDocNumber(request.number));
    {
        const QSignalBlocker quietDate(m_date), quietCarrier(m_carrier), quietCompleted(m_completed);
        m_date->setDate(request.date);
        m_carrier->clear();
        m_carrier->addItems(m_form.Carriers());
        m_carrier->setCurrentText(request.carrier);
        m_completed->setChecked(request.completed);
    }
    m_supplier->setText(request.partnerName);
    if (m_preparedBy->text() != request.preparedBy)
        m_preparedBy->setText(request.preparedBy);
    m_notes->setText(request.notes);
    const int priceWidth = request.hasPrices ? 80 : 0;
    m_list->ShowColumn(6, priceWidth);
    m_list->ShowColumn(7, priceWidth);
    std::vector<QStringList> rows;
    for (const RequestLine& line : request.lines)
        rows.push_back(RequestForm::Cells(line, request.hasPrices));
    const int count = static_cast<int>(rows.size());
    m_list->ShowRows(std::move(rows), {}, selectLine < 0 ? count - 1 : selectLine);
    for (QAction* action : m_currencies->actions())
        action->setChecked(action->data().toString() == request.currency);
    ShowTotal();
    UpdateButtons();
}

void CRequestDlg::ShowTotal() {
    m_totalCaption->setText(m_form.TotalCaption());
    m_total->setText(m_form.TotalText());
}

void CRequestDlg::UpdateButtons() {
    const bool selected = m_list->SelectedSource() >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void CRequestDlg::New(bool withPrices) {
    if (m_form.New(withPrices))
        Show();
}

void CRequestDlg::Load() {
    GuiDocumentChooser documents(m_doc, m_host, this);
    if (m_form.Load(documents))
        Show(0);
}

void CRequestDlg::ChooseSupplier() {
    GuiPartnerChooser partners(m_doc, m_host, this);
    if (m_form.ChooseSupplier(partners))
        m_supplier->setText(m_form.Request().partnerName);
}

void CRequestDlg::AddLine() {
    GuiItemChooser items(m_doc, m_host, this);
    GuiRequestLineDialog dialog(this);
    if (m_form.AddLine(items, dialog))
        Show(static_cast<int>(m_form.Request().lines.size()) - 1);
}

void CRequestDlg::EditLine() {
    const int line = m_list->SelectedSource();
    GuiRequestLineDialog dialog(this);
    if (m_form.EditLine(line, dialog))
        Show(line);
}

void CRequestDlg::DeleteLine() {
    const int line = m_list->SelectedSource();
    if (m_form.DeleteLine(line))
        Show(std::min(line, static_cast<int>(m_form.Request().lines.size()) - 1));
}

void CRequestDlg::SaveAndPrint() {
    if (!m_form.Save())
        return;
    Show(m_list->SelectedSource());
    if (WantsPrintout(m_host.GetPrompter()))
        Print();
}

void CRequestDlg::Print() {
    const LocalSettings& settings = m_host.Settings();
    SupplierRequestJob job(m_form.Printout(), [&settings] { return settings.EconomicPrintMode() != 0; });
    m_host.ShowPrintPreview(job);
}

void CRequestDlg::SetCurrency(const QString& code) {
    m_form.SetCurrency(code);
    ShowTotal();
}

void CRequestDlg::ExportCsv() {
    ExportListShown(*m_list, m_host);
}
