#include "documents/CashOperationForm.h"

#include "base/Prompter.h"
#include "format/Rounding.h"
#include "format/SqlDates.h"
#include "masterdata/FirmCurrency.h"
#include "masterdata/PartnerChooser.h"
#include "masterdata/PartnerStore.h"

#include <algorithm>
#include <cmath>

namespace {
// Amounts compared in whole cents, so that 0.10 + 0.20 is 0.30.
long long cents(double amount) {
    return std::llround(RoundHalfUp(amount, 2) * 100);
}
} // namespace

CashOperationForm::CashOperationForm(Database& db, Prompter& prompter, CashOperation op)
    : m_db(db), m_prompter(prompter), m_op(std::move(op)) {}

QString CashOperationForm::AmountCurrency() {
    return LoadFirmCurrency(m_db).current == Currency::EUR ? QString("EUR") : QString("BGL");
}

std::vector<ListColumn> CashOperationForm::PaymentColumns() {
    return {{"###", 0, Qt::AlignLeft, SortType::Integer},
            {"изплатено на", 110, Qt::AlignLeft, SortType::Date},
            {"сума", 100, Qt::AlignRight, SortType::Decimal}};
}

std::vector<int> CashOperationForm::PaymentOrder() const {
    std::vector<int> order(m_op.payments.size());
    for (size_t k = 0; k < order.size(); ++k)
        order[k] = static_cast<int>(k);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const CashPayment& x = m_op.payments[static_cast<size_t>(a)];
        const CashPayment& y = m_op.payments[static_cast<size_t>(b)];
        return x.date != y.date ? x.date < y.date : x.number < y.number;
    });
    return order;
}

QStringList CashOperationForm::PaymentCells(const CashPayment& payment) {
    return {QString::number(payment.number), DisplayDate(payment.date),
            QString::asprintf("%.2f", payment.amount)};
}

bool CashOperationForm::AcceptPayment(Prompter& prompter, double amount, double previous, double remaining) {
    if (cents(amount) <= 0) {
        prompter.Message("Сумата трябва да бъде положително число!", MessageIcon::Stop);
        return false;
    }
    if (cents(amount) > cents(remaining) + cents(previous)) {
        prompter.Message("Сумата не може да бъде по-голяма от остатъка по тази операция!", MessageIcon::Stop);
        return false;
    }
    return true;
}

bool CashOperationForm::AddPayment(CashPaymentEditor& editor, const QDate& today) {
    const double remaining = m_op.Remaining();
    const auto payment = editor.EditPayment({today, 0, 0, remaining}, [this, remaining](double amount) {
        return AcceptPayment(m_prompter, amount, 0, remaining);
    });
    if (!payment)
        return false;
    int highest = 0;
    for (const CashPayment& p : m_op.payments)
        highest = std::max(highest, p.number);
    m_op.payments.push_back({highest + 1, payment->date, RoundHalfUp(payment->amount, 2)});
    return true;
}

bool CashOperationForm::EditPayment(int index, CashPaymentEditor& editor) {
    if (index < 0 || index >= static_cast<int>(m_op.payments.size()))
        return false;
    CashPayment& edited = m_op.payments[static_cast<size_t>(index)];
    const double remaining = m_op.Remaining();
    const double previous = edited.amount;
    const auto payment = editor.EditPayment({edited.date, previous, previous, remaining},
                                            [this, previous, remaining](double amount) {
                                                return AcceptPayment(m_prompter, amount, previous, remaining);
                                            });
    if (!payment)
        return false;
    edited.date = payment->date;
    edited.amount = RoundHalfUp(payment->amount, 2);
    return true;
}

bool CashOperationForm::DeletePayment(int index) {
    if (index < 0 || index >= static_cast<int>(m_op.payments.size()) ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете този запис?", MessageIcon::Question) !=
            Answer::Yes)
        return false;
    m_op.payments.erase(m_op.payments.begin() + index);
    return true;
}

bool CashOperationForm::DeleteAllPayments() {
    if (m_op.payments.empty() ||
        m_prompter.AskYesNo("Сигурни ли сте, че желаете да изтриете плащанията по операцията?",
                            MessageIcon::Question) != Answer::Yes)
        return false;
    m_op.payments.clear();
    return true;
}

bool CashOperationForm::ChoosePartner(PartnerChooser& partners) {
    const std::optional<int> chosen = partners.ChoosePartner(PartnerTab::All, m_op.partnerId);
    if (!chosen)
        return false;
    const std::optional<QString> name = PartnerStore(m_db).Name(*chosen);
    if (!name)
        return false;
    m_op.partnerId = *chosen;
    m_op.partnerName = *name;
    return true;
}

bool CashOperationForm::MaySave() {
    if (cents(m_op.amount) <= 0) {
        m_prompter.Message("Сумата на операцията трябва да бъде положително число!", MessageIcon::Stop);
        return false;
    }
    if (cents(m_op.amount) < cents(m_op.Paid())) {
        m_prompter.Message("Сумата на операцията не може да бъде по-малка от вече изплатената сума!",
                           MessageIcon::Stop);
        return false;
    }
    return true;
}
