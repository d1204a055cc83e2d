#include "documents/ui/CCashOperationDlg.h"

#include "base/Clock.h"
#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/TabOrder.h"
#include "documents/ui/CCashPaymentDlg.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "session/TarvoDoc.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QLineEdit* readOnly(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}
} // namespace

CCashOperationDlg::CCashOperationDlg(CTarvoDoc& doc, FormHost& host, const CashOperation& op, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host), m_form(doc.Db(), host.GetPrompter(), op),
      m_number(readOnly(this)), m_date(MakeDateField(this, "дата на операцията")),
      m_payTo(MakeDateField(this, "плащане до")), m_amount(new DecimalSpinBox(this)), m_paid(readOnly(this)),
      m_remaining(readOnly(this)), m_description(new QLineEdit(op.description, this)),
      m_income(new QRadioButton("приходна", this)), m_expense(new QRadioButton("разходна", this)),
      m_partner(readOnly(this)), m_bank(new QCheckBox("банково плащане", this)),
      m_basis(new QLineEdit(op.basis, this)), m_payments(new CSortListCtrl(doc.ListSortState(), this)) {
    setWindowTitle("приходна / разходна операция");
    m_number->setText(QString("Оп.№ %1").arg(op.recId));
    m_date->setDate(op.date);
    m_payTo->setDate(op.payTo);
    m_amount->setDecimals(2);
    m_amount->setRange(0, 999999999);
    m_amount->setValue(op.amount);
    m_amount->setAccessibleName("сума");
    m_paid->setAlignment(Qt::AlignRight);
    m_remaining->setAlignment(Qt::AlignRight);
    m_description->setMaxLength(255);
    m_basis->setMaxLength(255);
    (op.opType == CashOperation::Expense ? m_expense : m_income)->setChecked(true);
    m_partner->setText(op.partnerName);
    m_bank->setChecked(op.bank);
    auto* choose = new QPushButton("...", this);
    choose->setAutoDefault(false);
    choose->setToolTip("Избор на контрагент...");
    choose->setMaximumWidth(40);
    connect(choose, &QPushButton::clicked, this, [this] {
        GuiPartnerChooser partners(m_doc, m_host, this);
        if (m_form.ChoosePartner(partners))
            m_partner->setText(m_form.Operation().partnerName);
    });
    connect(m_amount, &DecimalSpinBox::valueChanged, this, [this] { Recalculate(); });

    m_payments->SetColumns(CashOperationForm::PaymentColumns());
    m_payments->setAccessibleName("плащания");
    connect(m_payments, &QAbstractItemView::doubleClicked, this, [this] { EditPayment(); });
    connect(m_payments->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });
    const auto button = [this](const QString& text, void (CCashOperationDlg::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* add = button("ново плащане ...", &CCashOperationDlg::AddPayment);
    m_edit = button("редакция ...", &CCashOperationDlg::EditPayment);
    m_delete = button("изтрий", &CCashOperationDlg::DeletePayment);
    m_deleteAll = button("изтрий всички", &CCashOperationDlg::DeleteAllPayments);
    auto* save = new QPushButton("запиши", this);
    auto* cancel = new QPushButton("откажи", this);
    save->setDefault(true);
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("операция", this), 0, 0);
    grid->addWidget(m_number, 0, 1);
    auto* types = new QHBoxLayout;
    types->addWidget(m_income);
    types->addWidget(m_expense);
    types->addStretch();
    grid->addLayout(types, 0, 2, 1, 2);
    grid->addWidget(new QLabel("дата на операцията", this), 1, 0);
    grid->addWidget(m_date, 1, 1);
    grid->addWidget(new QLabel("плащане до", this), 1, 2);
    grid->addWidget(m_payTo, 1, 3);
    grid->addWidget(new QLabel("сума", this), 2, 0);
    auto* amount = new QHBoxLayout;
    amount->addWidget(m_amount, 1);
    amount->addWidget(new QLabel(m_form.AmountCurrency(), this));
    grid->addLayout(amount, 2, 1);
    grid->addWidget(m_bank, 2, 2, 1, 2);
    grid->addWidget(new QLabel("изплатени", this), 3, 0);
    grid->addWidget(m_paid, 3, 1);
    grid->addWidget(new QLabel("остатък", this), 3, 2);
    grid->addWidget(m_remaining, 3, 3);
    grid->addWidget(new QLabel("описание", this), 4, 0);
    grid->addWidget(m_description, 4, 1, 1, 3);
    grid->addWidget(new QLabel("контрагент", this), 5, 0);
    auto* partner = new QHBoxLayout;
    partner->addWidget(m_partner, 1);
    partner->addWidget(choose);
    grid->addLayout(partner, 5, 1, 1, 3);
    grid->addWidget(new QLabel("основание", this), 6, 0);
    grid->addWidget(m_basis, 6, 1, 1, 3);
    auto* paymentButtons = new QVBoxLayout;
    for (QPushButton* b : {add, m_edit, m_delete, m_deleteAll})
        paymentButtons->addWidget(b);
    paymentButtons->addStretch();
    auto* payments = new QHBoxLayout;
    payments->addWidget(m_payments, 1);
    payments->addLayout(paymentButtons);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(save);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel("плащания:", this));
    layout->addLayout(payments, 1);
    layout->addLayout(bottom);
    SetTabOrder({m_income, m_expense, m_date, m_payTo, m_amount, m_bank, m_description, choose, m_basis,
                 m_payments, add, m_edit, m_delete, m_deleteAll, save, cancel});
    resize(640, 520);
    ShowPayments();
    m_amount->setFocus();
    m_amount->selectAll();
}

int CCashOperationDlg::SelectedPayment() const {
    const int row = m_payments->SelectedSource();
    return row >= 0 && row < static_cast<int>(m_order.size()) ? m_order[static_cast<size_t>(row)] : -1;
}

void CCashOperationDlg::ShowPayments(int selectNumber) {
    const CashOperation& op = m_form.Operation();
    // Listed by date; m_order ties each row to its payment.
    m_order = m_form.PaymentOrder();
    std::vector<QStringList> rows;
    for (int index : m_order)
        rows.push_back(CashOperationForm::PaymentCells(op.payments[static_cast<size_t>(index)]));
    m_payments->SetRows(std::move(rows));
    for (size_t row = 0; row < m_order.size(); ++row)
        if (op.payments[static_cast<size_t>(m_order[row])].number == selectNumber)
            m_payments->SelectRow(static_cast<int>(row));
    Recalculate();
    UpdateButtons();
}

void CCashOperationDlg::Recalculate() {
    m_form.Edit().amount = m_amount->value();
    m_paid->setText(QString::asprintf("%.2f", m_form.Operation().Paid()));
    m_remaining->setText(QString::asprintf("%.2f", m_form.Operation().Remaining()));
}

void CCashOperationDlg::UpdateButtons() {
    const bool selected = m_payments->SelectedSource() >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_deleteAll->setEnabled(!m_form.Operation().payments.empty());
}

void CCashOperationDlg::AddPayment() {
    Recalculate();
    GuiCashPaymentEditor editor(this);
    if (m_form.AddPayment(editor, m_host.GetClock().Now().date()))
        ShowPayments(m_form.Operation().payments.back().number);
}

void CCashOperationDlg::EditPayment() {
    const int index = SelectedPayment();
    if (index < 0)
        return;
    Recalculate();
    GuiCashPaymentEditor editor(this);
    if (m_form.EditPayment(index, editor))
        ShowPayments(m_form.Operation().payments[static_cast<size_t>(index)].number);
}

void CCashOperationDlg::DeletePayment() {
    if (m_form.DeletePayment(SelectedPayment()))
        ShowPayments();
}

void CCashOperationDlg::DeleteAllPayments() {
    if (m_form.DeleteAllPayments())
        ShowPayments();
}

void CCashOperationDlg::accept() {
    CashOperation& op = m_form.Edit();
    op.opType = m_expense->isChecked() ? CashOperation::Expense : CashOperation::Income;
    op.date = m_date->date();
    op.payTo = m_payTo->date();
    op.amount = m_amount->value();
    op.description = m_description->text();
    op.basis = m_basis->text();
    op.bank = m_bank->isChecked();
    if (m_form.MaySave())
        QDialog::accept();
}

bool GuiCashOperationEditor::EditOperation(CashOperation& op) {
    CCashOperationDlg dialog(m_doc, m_host, op, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    op = dialog.Operation();
    return true;
}
