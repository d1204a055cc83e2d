#pragma once

#include "lists/ListColumn.h"
#include "trade/CashOperation.h"

#include <QStringList>
#include <functional>
#include <optional>

class Database;
class PartnerChooser;
class Prompter;

// The payment dialog "ново плащане / редакция": a date and an amount; OK
// hands the amount to `accept` and closes only when it agrees.
class CashPaymentEditor {
public:
    struct Request {
        QDate date;
        double amount = 0;
        double previous = 0;  // the payment's amount before the edit; 0 for a new one
        double remaining = 0; // the operation's remaining
    };
    virtual ~CashPaymentEditor() = default;
    virtual std::optional<CashPayment> EditPayment(const Request& request,
                                                   const std::function<bool(double)>& accept) = 0;
};

// What the operation dialog does with its operation before "запиши": the
// payments added, changed and deleted, paid and remaining recalculated, the
// partner chosen, and the checks of the save. Nothing reaches the database
// here; "откажи" simply drops this object.
class CashOperationForm {
public:
    CashOperationForm(Database& db, Prompter& prompter, CashOperation op);

    const CashOperation& Operation() const { return m_op; }
    CashOperation& Edit() { return m_op; }

    // The currency the amount is entered in: "BGL", or "EUR" once the firm
    // works in euro.
    QString AmountCurrency();

    static std::vector<ListColumn> PaymentColumns();
    // The payments as listed: by date, then by number.
    std::vector<int> PaymentOrder() const;
    static QStringList PaymentCells(const CashPayment& payment);

    // The checks of the payment dialog's OK: above 0, and at most the
    // remaining plus the payment's own previous amount, compared in cents.
    static bool AcceptPayment(Prompter& prompter, double amount, double previous, double remaining);
    // "ново плащане ..."; the number is one more than the highest.
    bool AddPayment(CashPaymentEditor& editor, const QDate& today);
    // "редакция ..." and "изтрий" of the payment at that index of Operation().payments.
    bool EditPayment(int index, CashPaymentEditor& editor);
    bool DeletePayment(int index);
    // "изтрий всички"
    bool DeleteAllPayments();

    // "..." beside "контрагент".
    bool ChoosePartner(PartnerChooser& partners);
    // The checks of "запиши": a positive amount, not below what is paid.
    bool MaySave();

private:
    Database& m_db;
    Prompter& m_prompter;
    CashOperation m_op;
};
