#include "documents/ui/CCashPaymentDlg.h"

#include "base/ui/DateField.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"
#include "format/Rounding.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

CCashPaymentDlg::CCashPaymentDlg(const CashPaymentEditor::Request& request,
                                 std::function<bool(double)> accept, QWidget* parent)
    : QDialog(parent), m_request(request), m_accept(std::move(accept)),
      m_date(MakeDateField(this, "платени на:")), m_amount(new DecimalSpinBox(this)) {
    setWindowTitle("ново плащане / редакция");
    m_date->setDate(request.date);
    m_amount->setDecimals(2);
    m_amount->setRange(-999999999, 999999999);
    m_amount->setValue(request.amount);
    m_amount->setAccessibleName("платена сума:");
    auto* all = new QPushButton("Плащане 100%", this);
    all->setAutoDefault(false);
    all->setToolTip("Попълва целия остатък по операцията");
    connect(all, &QPushButton::clicked, this, [this] { PayAll(); });
    auto* form = new QFormLayout;
    form->addRow("платени на:", m_date);
    form->addRow("платена сума:", m_amount);
    form->addRow("", all);
    auto* buttons = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetTabOrder({m_date, m_amount, all});
    resize(360, sizeHint().height());
    m_amount->setFocus();
    m_amount->selectAll();
}

void CCashPaymentDlg::PayAll() {
    m_amount->setValue(RoundHalfUp(m_request.remaining + m_request.previous, 2));
}

CashPayment CCashPaymentDlg::Payment() const {
    return {0, m_date->date(), m_amount->value()};
}

void CCashPaymentDlg::accept() {
    if (m_accept(m_amount->value()))
        QDialog::accept();
}

std::optional<CashPayment> GuiCashPaymentEditor::EditPayment(const Request& request,
                                                             const std::function<bool(double)>& accept) {
    CCashPaymentDlg dialog(request, accept, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Payment();
}
