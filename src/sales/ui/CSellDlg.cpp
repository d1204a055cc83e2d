#include "sales/ui/CSellDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DocumentFormLayout.h"
#include "base/ui/FormButton.h"
#include "base/ui/MenuKeys.h"
#include "base/ui/MenuMnemonics.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "print/HostSalePrinter.h"
#include "sales/ui/CFreeTextLineDlg.h"
#include "sales/ui/CSellDetailsDlg.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"
#include "trade/ui/CDocumentBrowserDlg.h"
#include "trade/ui/CSellLineDlg.h"

#include <QDateEdit>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CSellDlg::CSellDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_textInput(this),
      m_fiscal(doc.Db(), host.GetPrompter(), host.Settings(), &m_textInput, &host.GetClock()),
      m_form(doc.Db(), host.GetPrompter(), host.Settings(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    m_form.SetFiscalRegister(&m_fiscal.Register());
    host.SetFormTitle("TARVO - ПРОДАЖБИ И ФАКТУРИРАНЕ");
    SetPrintOrientation(0, host.Settings(), &host.Printer());
    m_list->SetColumns(SellForm::Columns());
    m_list->FitByColumn(3, 120); // the name gives way at 1024 pixels
    m_list->RememberWidths(host.Settings(), "SaleLines");
    m_list->setAccessibleName("артикули");
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CSellDlg::ChangeLine);
    connect(m_list, &CSortListCtrl::openRequested, this, &CSellDlg::ChangeLine);
    BuildMenus();

    m_add = MakeFormButton(this, " [F2]  стоки...", Qt::Key_F2, "Добавяне на артикул към документа...",
                           [this] { AddLine(); });
    m_change = MakeFormButton(this, " [F3]  промяна...", Qt::Key_F3, "Промяна на количеството и цената...",
                              [this] { ChangeLine(); });
    m_delete = MakeFormButton(this, " [F4]  изтрий", Qt::Key_F4, "Изтриване на маркираните артикули...",
                              [this] { DeleteLines(); });
    m_saveButton = MakeFormButton(this, " [F9]  запис и печат", Qt::Key_F9,
                                  "Запис и отпечатване на документа...", [this] {
                                      m_form.SetOriginal(true);
                                      PopUp(m_saveMenu, m_saveButton);
                                  });
    QPushButton* exit = MakeFormButton(this, " [F10] изход", Qt::Key_F10,
                                       "Изход от този модул и връщане към началния екран на програмата...",
                                       [this] { m_host.SwitchView(ViewType::kStart); });
    LayOutDocumentForm(this, BuildHeader(), m_list, BuildTotals(), {m_add, m_change, m_delete},
                       {m_saveButton, exit});
    SetTabOrder({m_date, m_number, m_discount, m_list, m_add, m_change, m_delete, m_saveButton, exit});

    m_form.Start();
    Show();
}

CSellDlg::~CSellDlg() = default;

void CSellDlg::IssueFiscalReceipt() {
    {
        WaitCursor wait;
        m_form.IssueFiscalReceipt();
    }
    Show();
}

void CSellDlg::BuildMenus() {
    m_newMenu = new QMenu(this);
    const std::pair<const char*, SaleOp> operations[] = {
        {"Продажба със стокова разписка", SaleOp::GoodsNote},
        {"Фактура + стокова разписка", SaleOp::InvoiceWithNote},
        {"Фактура - свободен текст", SaleOp::FreeTextInvoice},
        {"Фактура - проформа", SaleOp::Proforma},
        {"Фактура към вече издадена стокова разписка ...", SaleOp::InvoiceForNote},
        {"Фактура за издадена проформа ...", SaleOp::InvoiceForProforma},
        {"Сборна фактура към повече от една издадена стокова разписка ...", SaleOp::CollectiveInvoice},
        {"Дебитно известие", SaleOp::DebitNote},
        {"Кредитно известие", SaleOp::CreditNote}};
    for (const auto& [text, op] : operations) {
        if (op == SaleOp::DebitNote || op == SaleOp::InvoiceForNote)
            m_newMenu->addSeparator();
        QAction* action = m_newMenu->addAction(text, this, [this, op = op] { NewOperation(op); });
        if (op == m_form.DefaultOp())
            m_newMenu->setDefaultAction(action);
    }
    m_newMenu->actions()[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    m_newMenu->actions()[1]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F7));

    m_loadMenu = new QMenu(this);
    const std::pair<const char*, DocumentKind> loads[] = {
        {"Стокова разписка...", DocumentKind::GoodsNotes},
        {"Фактура...", DocumentKind::Invoices},
        {"Фактура - проформа...", DocumentKind::Proformas},
        {"Дебитно известие...", DocumentKind::DebitNotes},
        {"Кредитно известие...", DocumentKind::CreditNotes}};
    for (const auto& [text, kind] : loads)
        m_loadMenu->addAction(text, this, [this, kind = kind] { Load(kind); });
    m_loadMenu->actions()[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    m_loadMenu->actions()[1]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F6));

    m_addMenu = new QMenu(this);
    m_addMenu->addAction("От номенклатурата на стоките и изделията ...", this, [this] {
        GuiItemChooser items(m_doc, m_host, this);
        GuiSaleLineDialog line(this);
        if (m_form.AddLine(items, line))
            Show(static_cast<int>(m_form.Lines().size()) - 1);
    });
    m_addMenu->addAction("Свободен текст ...", this, [this] {
        GuiFreeTextLineDialog line(this);
        if (m_form.AddFreeTextLine(line))
            Show(static_cast<int>(m_form.Lines().size()) - 1);
    });

    m_saveMenu = new QMenu(this);
    QAction* save = m_saveMenu->addAction("Запиши операцията", this, [this] { Save(); });
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    QAction* original = m_saveMenu->addAction("Отпечатване на оригинал", this, [this] { Print(true); });
    original->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F9));
    QAction* copy = m_saveMenu->addAction("Отпечатване на копие", this, [this] { Print(false); });
    copy->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9));
    m_saveMenu->addSeparator();
    m_saveMenu->addAction("Издаване на фискален бон ...", this, [this] { IssueFiscalReceipt(); });

    for (QMenu* menu : {m_newMenu, m_loadMenu, m_addMenu, m_saveMenu})
        GiveMnemonics(menu);
    for (QMenu* menu : {m_newMenu, m_loadMenu, m_saveMenu})
        BindMenuKeys(this, menu);
}

QWidget* CSellDlg::BuildHeader() {
    auto* header = new QWidget(this);
    m_caption = new QLabel(header);
    QFont bold = m_caption->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_caption->setFont(bold);
    m_fiscalMark = new QLabel(header);
    m_fiscalMark->setFont(bold);
    m_date = MakeDateField(header, "дата:");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    m_number = new QLineEdit(header);
    m_number->setAccessibleName("номер:");
    // The number keeps its width when the fiscal mark shares the row.
    m_number->setFixedWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    connect(m_number, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const QString kept = m_form.SetNumberText(typed);
        if (kept != typed)
            m_number->setText(kept);
    });
    m_loadButton = MakeFormButton(this, " [F6] зареждане...", Qt::Key_F6, "Зареждане на издаден документ...",
                                  [this] { PopUp(m_loadMenu, m_loadButton); });
    m_newButton = MakeFormButton(this, " [F7] нова операция...", Qt::Key_F7, "Започване на нова операция...",
                                 [this] { PopUp(m_newMenu, m_newButton); });
    m_customer = new QLineEdit(header);
    m_customer->setReadOnly(true);
    m_customer->setFocusPolicy(Qt::NoFocus);
    m_customerButton = MakeFormButton(this, " [F8]  избиране на клиент...", Qt::Key_F8,
                                      "Избор на клиента по документа...", [this] { ChooseCustomer(); });
    m_detailsButton = MakeFormButton(this, " [F5] допълнителни данни...", Qt::Key_F5,
                                     "Данни за сделката, плащането и ДДС...", [this] { EditDetails(); });
    m_discount = new DecimalSpinBox(header);
    m_discount->setDecimals(2);
    m_discount->setRange(0, 100);
    m_discount->setSuffix(" %");
    m_discount->setAccessibleName("отстъпка:");
    connect(m_discount, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        if (m_form.SetDiscount(value))
            Show(m_list->SelectedSource());
    });

    auto* first = new QHBoxLayout;
    first->addWidget(m_caption, 1);
    first->addWidget(new QLabel("дата:", header));
    first->addWidget(m_date);
    first->addWidget(new QLabel("№:", header));
    first->addWidget(m_number);
    first->addWidget(m_loadButton);
    first->addWidget(m_newButton);
    auto* second = new QHBoxLayout;
    second->addWidget(new QLabel("клиент:", header));
    second->addWidget(m_customer, 1);
    // The mark takes its room from the customer's field, never from the
    // number or the totals.
    second->addWidget(m_fiscalMark);
    second->addWidget(m_customerButton);
    second->addWidget(m_detailsButton);
    second->addWidget(new QLabel("отстъпка:", header));
    second->addWidget(m_discount);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(first);
    layout->addLayout(second);
    return header;
}

QWidget* CSellDlg::BuildTotals() {
    auto* box = new QWidget(this);
    m_totals = new QTreeWidget(box);
    m_totals->setColumnCount(2);
    m_totals->setHeaderHidden(true);
    m_totals->setRootIsDecorated(false);
    m_totals->setFocusPolicy(Qt::NoFocus);
    m_totals->setSelectionMode(QAbstractItemView::NoSelection);
    // The titles take what the figures leave (a total up to 999 999 999.99).
    m_totals->header()->resizeSection(0, 190);
    m_totals->setFixedWidth(300);
    m_totals->setMaximumHeight(m_totals->fontMetrics().height() * 7);
    m_words = new QLineEdit(box);
    m_words->setReadOnly(true);
    m_words->setFocusPolicy(Qt::NoFocus);
    m_words->setFixedWidth(300);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_totals);
    layout->addWidget(new QLabel("словом:", box));
    layout->addWidget(m_words);
    layout->addStretch();
    return box;
}

// The chosen entry runs once the menu has closed, so the dialog it opens
// starts with the keyboard of its own.
void CSellDlg::PopUp(QMenu* menu, QWidget* under) {
    const QList<QAction*> entries = menu->actions();
    for (QAction* action : entries)
        action->blockSignals(true);
    // The default entry (or the first) is lit, so Enter takes it at once.
    menu->setActiveAction(menu->defaultAction() ? menu->defaultAction() : entries.value(0));
    QAction* chosen = menu->exec(under->mapToGlobal(QPoint(0, under->height())));
    for (QAction* action : entries)
        action->blockSignals(false);
    if (chosen)
        chosen->trigger();
}

void CSellDlg::Show(int selectLine) {
    m_caption->setText(m_form.Caption());
    const QString mark = m_form.FiscalMark();
    m_fiscalMark->setText(mark);
    // A sale still to be registered stands out.
    m_fiscalMark->setStyleSheet(mark == "без фискален бон" ? "color: #c00000;" : QString());
    {
        const QSignalBlocker quietDate(m_date);
        m_date->setDate(m_form.Header().docDate);
    }
    m_number->setText(m_form.NumberText());
    m_number->setReadOnly(!m_form.IsNew());
    m_customer->setText(m_form.Customer().name);
    {
        const QSignalBlocker quietDiscount(m_discount);
        m_discount->setValue(m_form.Header().discount);
        m_discount->setEnabled(m_form.MayChangeDiscount());
    }
    m_customerButton->setEnabled(m_form.MayChangeCustomer());
    ShowCollectiveColumns();
    std::vector<QStringList> rows;
    for (const SaleLine& line : m_form.Lines())
        rows.push_back(SellForm::Cells(line));
    m_list->SetRows(std::move(rows));
    m_list->SelectRow(selectLine >= 0 ? selectLine : 0);
    m_totals->clear();
    for (const auto& [title, figure] : m_form.TotalsRows()) {
        auto* row = new QTreeWidgetItem(m_totals, {title, figure});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_words->setText(m_form.Totals().words);
    m_add->setEnabled(m_form.MayAddLines());
    m_change->setEnabled(m_form.MayChangeLines() && !m_form.Lines().empty());
    m_delete->setEnabled(m_form.MayChangeLines() && !m_form.Lines().empty());
}

// A collective invoice shows the goods note of each line and its total.
void CSellDlg::ShowCollectiveColumns() {
    const std::vector<ListColumn> columns = SellForm::Columns(m_form.Op());
    for (size_t k : {8u, 9u})
        m_list->ShowColumn(static_cast<int>(k), columns[k].width);
}

void CSellDlg::NewOperation(SaleOp op) {
    GuiDocumentChooser documents(m_doc, m_host, this);
    if (SaleOps::InvoicesEarlier(op)) {
        GuiPartnerChooser partners(m_doc, m_host, this);
        if (m_form.InvoiceEarlier(op, documents, partners))
            Show();
        return;
    }
    if (m_form.NewOperation(op, documents))
        Show();
}

void CSellDlg::Load(DocumentKind kind) {
    GuiDocumentChooser documents(m_doc, m_host, this);
    WaitCursor busy;
    if (m_form.Load(kind, documents))
        Show();
}

void CSellDlg::ChooseCustomer() {
    GuiPartnerChooser partners(m_doc, m_host, this);
    if (m_form.ChooseCustomer(partners))
        Show(m_list->SelectedSource());
}

void CSellDlg::AddLine() {
    if (!m_form.MayAddLines())
        return;
    if (SaleOps::OffersFreeText(m_form.Op())) {
        PopUp(m_addMenu, m_add);
        return;
    }
    m_addMenu->actions()[0]->trigger();
}

void CSellDlg::ChangeLine() {
    const int line = m_list->SelectedSource();
    GuiSaleLineDialog dialog(this);
    GuiFreeTextLineDialog freeText(this);
    if (line >= 0 && m_form.ChangeLine(line, dialog, freeText))
        Show(line);
}

void CSellDlg::DeleteLines() {
    if (m_form.DeleteLines(m_list->SelectedSources()))
        Show();
}

void CSellDlg::EditDetails() {
    GuiSaleDetailsDialog dialog(this);
    if (m_form.EditDetails(dialog))
        Show(m_list->SelectedSource());
}

void CSellDlg::Save() {
    GuiSaleDetailsDialog details(this);
    HostSalePrinter printer(m_host);
    {
        WaitCursor busy;
        m_form.Save(details, printer);
    }
    Show(m_list->SelectedSource());
    FocusRefusedField();
}

void CSellDlg::FocusRefusedField() {
    switch (m_form.RefusedAt()) {
    case SellForm::Fix::Details:
        m_detailsButton->setFocus();
        break;
    case SellForm::Fix::Customer:
        m_customerButton->setFocus();
        break;
    case SellForm::Fix::Lines:
        m_add->setFocus();
        break;
    case SellForm::Fix::Date:
        m_date->setFocus();
        break;
    case SellForm::Fix::None:
        break;
    }
}

void CSellDlg::Print(bool original) {
    GuiSaleDetailsDialog details(this);
    HostSalePrinter printer(m_host);
    m_form.Print(original, details, printer);
    Show(m_list->SelectedSource());
    FocusRefusedField();
}
