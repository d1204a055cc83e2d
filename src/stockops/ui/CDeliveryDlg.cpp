#include "stockops/ui/CDeliveryDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DocumentFormLayout.h"
#include "base/ui/FormButton.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "format/DocNumber.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "print/HostDeliveryPrinter.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"
#include "stockops/ui/CDeliveryLineDlg.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

CDeliveryDlg::CDeliveryDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host),
      m_form(doc.Db(), host.GetPrompter(), host.Settings(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - ДОСТАВКА");
    SetPrintOrientation(0, host.Settings(), &host.Printer());
    m_list->SetColumns(DeliveryForm::Columns());
    m_list->RememberWidths(host.Settings(), "DeliveryLines");
    m_list->setAccessibleName("артикули");
    connect(m_list, &QAbstractItemView::doubleClicked, this, &CDeliveryDlg::ChangeLine);
    connect(m_list, &CSortListCtrl::openRequested, this, &CDeliveryDlg::ChangeLine);

    m_add =
        MakeFormButton(this, " [F2]  стоки...", Qt::Key_F2,
                       "Натиснете този бутон, за да укажете количеството, което доставяте от този артикул...",
                       [this] { AddLine(); });
    m_change = MakeFormButton(this, " [F3]  промяна...", Qt::Key_F3,
                              "Кликнете тук, за да редактирате съдържанието на маркирания запис...",
                              [this] { ChangeLine(); });
    m_delete = MakeFormButton(this, " [F4]  изтрий", Qt::Key_F4,
                              "Натиснете този бутон, за да изтриете маркираните записи...",
                              [this] { DeleteLines(); });
    QPushButton* save = MakeFormButton(this, " [F9]  запис и печат", Qt::Key_F9,
                                       "Запис на текущия документ и обновяване на наличностите в склада...",
                                       [this] { Save(); });
    QPushButton* exit = MakeFormButton(this, " [F10] изход", Qt::Key_F10, "Изход от модула за доставки...",
                                       [this] { m_host.SwitchView(ViewType::kStart); });
    LayOutDocumentForm(this, BuildHeader(), m_list, BuildSidePanel(), {m_add, m_change, m_delete},
                       {save, exit});
    SetTabOrder({m_number, m_date, m_load, m_newButton, m_choose, m_list, m_paid, m_payDate, m_discount,
                 m_invoiceNo, m_givenBy, m_receivedBy, m_add, m_change, m_delete, save, exit});

    m_form.Start();
    Show();
}

QWidget* CDeliveryDlg::BuildHeader() {
    auto* header = new QWidget(this);
    m_number = new QLineEdit(header);
    m_number->setAccessibleName("номер:");
    m_number->setMaxLength(10);
    m_number->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), m_number));
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    connect(m_number, &QLineEdit::textEdited, this,
            [this](const QString& typed) { m_form.SetNumber(ParseDocNumber(typed)); });
    m_date = MakeDateField(header, "дата:");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    m_load = MakeFormButton(this, " [F6] зареждане...", Qt::Key_F6, "Зареждане на съхранена доставка...",
                            [this] { Load(); });
    m_newButton = MakeFormButton(this, "[F7] нова операция", Qt::Key_F7, "Започване на нова доставка...",
                                 [this] { NewDelivery(); });
    m_supplier = new QLineEdit(header);
    m_supplier->setReadOnly(true);
    m_supplier->setFocusPolicy(Qt::NoFocus);
    m_supplier->setAccessibleName("доставчик:");
    m_choose = MakeFormButton(this, " [F8] избиране на доставчик...", Qt::Key_F8,
                              "Избор на доставчика на стоките...", [this] { ChooseSupplier(); });

    auto* first = new QHBoxLayout;
    first->addWidget(new QLabel("№:", header));
    first->addWidget(m_number);
    first->addWidget(new QLabel("дата:", header));
    first->addWidget(m_date);
    first->addStretch();
    first->addWidget(m_load);
    first->addWidget(m_newButton);
    auto* supplierBox = new QGroupBox("доставчик:", header);
    auto* second = new QHBoxLayout(supplierBox);
    second->addWidget(m_supplier, 1);
    second->addWidget(m_choose);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(first);
    layout->addWidget(supplierBox);
    return header;
}

QWidget* CDeliveryDlg::BuildSidePanel() {
    auto* panel = new QWidget(this);
    m_paid = new QCheckBox("плащане до:", panel);
    m_paid->setToolTip(
        "Поставете отметка, ако желаете да съхраните автоматичния запис за тази операция в модул "
        "\"Приходи и разходи\" като изплатен.");
    connect(m_paid, &QCheckBox::toggled, this, [this](bool paid) { m_form.SetMarkPaid(paid); });
    m_payDate = MakeDateField(panel, "плащане до:");
    connect(m_payDate, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetPayDate(date); });
    m_discount = new DecimalSpinBox(panel);
    m_discount->setDecimals(2);
    m_discount->setRange(0, 999.99);
    m_discount->setAccessibleName("ТО (%):");
    connect(m_discount, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        if (m_form.SetDiscount(value))
            Show(m_list->SelectedSource());
    });
    m_totals = new QTreeWidget(panel);
    m_totals->setColumnCount(2);
    m_totals->setHeaderHidden(true);
    m_totals->setRootIsDecorated(false);
    m_totals->setFocusPolicy(Qt::NoFocus);
    m_totals->setSelectionMode(QAbstractItemView::NoSelection);
    m_totals->header()->resizeSection(0, 100);
    m_totals->setMaximumHeight(m_totals->fontMetrics().height() * 6);
    m_invoiceNo = new QLineEdit(panel);
    m_invoiceNo->setMaxLength(30);
    m_invoiceNo->setAccessibleName("ПО ФАКТУРА №");
    connect(m_invoiceNo, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetInvoiceNo(text); });
    m_givenBy = new QLineEdit(panel);
    m_givenBy->setMaxLength(100);
    m_givenBy->setAccessibleName("ПРЕДАЛ:");
    connect(m_givenBy, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetGivenBy(text); });
    m_receivedBy = new QLineEdit(panel);
    m_receivedBy->setMaxLength(100);
    m_receivedBy->setAccessibleName("ПРИЕЛ:");
    connect(m_receivedBy, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetReceivedBy(text); });

    auto* payment = new QHBoxLayout;
    payment->addWidget(m_paid);
    payment->addWidget(m_payDate, 1);
    auto* discount = new QHBoxLayout;
    discount->addWidget(new QLabel("ТО (%):", panel));
    discount->addWidget(m_discount, 1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(payment);
    layout->addLayout(discount);
    layout->addWidget(m_totals);
    layout->addWidget(new QLabel("ПО ФАКТУРА №", panel));
    layout->addWidget(m_invoiceNo);
    layout->addWidget(new QLabel("ПРЕДАЛ:", panel));
    layout->addWidget(m_givenBy);
    layout->addWidget(new QLabel("ПРИЕЛ:", panel));
    layout->addWidget(m_receivedBy);
    layout->addStretch();
    panel->setFixedWidth(260);
    return panel;
}

void CDeliveryDlg::Show(int selectLine) {
    const DeliveryHeader& h = m_form.Header();
    const bool editable = m_form.IsNew();
    m_number->setText(m_form.NumberText());
    m_number->setReadOnly(!editable);
    {
        const QSignalBlocker quiet(m_date);
        m_date->setDate(h.docDate);
    }
    {
        const QSignalBlocker quiet(m_payDate);
        m_payDate->setDate(h.payDate);
    }
    {
        const QSignalBlocker quiet(m_paid);
        m_paid->setChecked(m_form.MarkPaid());
    }
    {
        const QSignalBlocker quiet(m_discount);
        m_discount->setValue(h.discount);
        m_discount->setEnabled(editable);
    }
    m_supplier->setText(m_form.Document().supplier.name);
    m_invoiceNo->setText(h.invoiceNo);
    m_givenBy->setText(h.givenBy);
    m_receivedBy->setText(h.receivedBy);
    std::vector<QStringList> rows;
    for (const DeliveryLine& line : m_form.Lines())
        rows.push_back(DeliveryForm::Cells(line));
    m_list->SetRows(std::move(rows));
    m_list->SelectRow(selectLine >= 0 ? selectLine : 0);
    m_totals->clear();
    for (const auto& [title, figure] : m_form.TotalsRows()) {
        auto* row = new QTreeWidgetItem(m_totals, {title, figure});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    const bool hasLines = !m_form.Lines().empty();
    m_add->setEnabled(editable);
    m_change->setEnabled(editable && hasLines);
    m_delete->setEnabled(editable && hasLines);
}

void CDeliveryDlg::NewDelivery() {
    if (m_form.NewDelivery())
        Show();
}

void CDeliveryDlg::Load() {
    GuiDocumentChooser documents(m_doc, m_host, this);
    WaitCursor busy;
    if (m_form.Load(documents))
        Show();
}

void CDeliveryDlg::ChooseSupplier() {
    GuiPartnerChooser partners(m_doc, m_host, this);
    if (m_form.ChooseSupplier(partners))
        Show(m_list->SelectedSource());
}

void CDeliveryDlg::AddLine() {
    GuiItemChooser items(m_doc, m_host, this);
    GuiDeliveryLineDialog dialog(this);
    if (m_form.AddLine(items, dialog))
        Show(static_cast<int>(m_form.Lines().size()) - 1);
}

void CDeliveryDlg::ChangeLine() {
    const int line = m_list->SelectedSource();
    GuiDeliveryLineDialog dialog(this);
    if (line >= 0 && m_form.ChangeLine(line, dialog))
        Show(line);
}

void CDeliveryDlg::DeleteLines() {
    if (m_form.DeleteLines(m_list->SelectedSources()))
        Show();
}

void CDeliveryDlg::Save() {
    HostDeliveryPrinter printer(m_host);
    {
        WaitCursor busy;
        m_form.Save(printer);
    }
    Show(m_list->SelectedSource());
    // After a refusal the focus goes where the fix is.
    using Field = DeliveryForm::Field;
    const std::map<Field, QWidget*> fields{{Field::Supplier, m_choose},
                                           {Field::Discount, m_discount},
                                           {Field::GivenBy, m_givenBy},
                                           {Field::ReceivedBy, m_receivedBy}};
    if (const auto found = fields.find(m_form.RefusedField()); found != fields.end())
        found->second->setFocus();
}
