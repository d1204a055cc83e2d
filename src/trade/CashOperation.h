#pragma once

#include <QDate>
#include <QString>
#include <vector>

// A payment made against an operation of the cash register. Its number is
// the position the operation's dialog shows (1, 2, 3 …); the stored `id` is
// the table's own key and is given anew when the payments are written.
struct CashPayment {
    int number = 0;
    QDate date;
    double amount = 0;
};

// An income (0) or expense (1) operation of the cash register with its payments.
struct CashOperation {
    enum Type { Income = 0, Expense = 1 };
    int recId = 0; // 0 until stored
    int opType = Income;
    QString basis; // "основание"
    QDate date;
    QDate payTo;
    QString description;
    int partnerId = 0;
    QString partnerName;
    double amount = 0;
    int basedOn = 0; // the goods note or delivery it belongs to; 0 when entered by hand
    bool bank = false;
    std::vector<CashPayment> payments;

    // The sum of the payments in whole cents.
    double Paid() const;
    // The amount less what is paid, in whole cents.
    double Remaining() const;
};

// An operation as the list shows it, with what its payments sum to.
struct CashRow {
    int recId = 0;
    int opType = 0;
    int basedOn = 0;
    QDate date;
    QDate payTo;
    QString description;
    QString partnerName;
    double amount = 0;
    double paid = 0;
    QString basis;
    bool bank = false;
    int payments = 0;

    double Remaining() const;
};
