#pragma once

#include "sales/SaleOperation.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class Prompter;

// The fields of "допълнителни данни": the header of a sale beyond its
// number, date, customer and lines, with the document's own VAT state.
struct SaleDetails {
    QString place;
    QString object;
    QString osnovanie;
    QString givenBy;
    QString receivedBy;
    QString compiledBy;
    QString transportedBy;
    QDate recvDate;
    QDate payDate;
    QDate taxEventDate;
    int payBy = 0; // 0 cash, 1 bank transfer
    int bankId = 0;
    int vatRegistered = 0;
    double vatRate = 0;
    QString osnovanieVat;
    QString newVehicle;

    // The checks of the dialog's OK, in order; the first broken one is told.
    bool Validate(SaleOp op, Prompter& prompter) const;
};

// The stored values the details dialog offers, and the firm's accounts.
struct SaleDetailsChoices {
    QStringList givenBy;
    QStringList transportedBy;
    QStringList compiledBy;
    QStringList vatGrounds;
    struct Account {
        int id = 0;
        QString name;
        QString code;
        QString account;
    };
    std::vector<Account> accounts;
};

// The details dialog: edits the values and hands them to `accept` on OK,
// closing only when it agrees; true when accepted.
class SaleDetailsDialog {
public:
    virtual ~SaleDetailsDialog() = default;
    virtual bool EditDetails(SaleDetails& details, const SaleDetailsChoices& choices,
                             const std::function<bool(const SaleDetails&)>& accept) = 0;
};
