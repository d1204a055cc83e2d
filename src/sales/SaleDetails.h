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

    // A field a refusal names, so that the focus can go into it.
    enum class Field { None, Place, Object, GivenBy, ReceivedBy, CompiledBy, VatGround, Account };

    // The checks of the dialog's OK, in order; the first broken one is told
    // and its field returned (None when all hold).
    Field Validate(SaleOp op, Prompter& prompter) const;
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

// The details dialog: opens with the focus in `focus` (the first field
// when None), edits the values and hands them to `accept` on OK, closing
// only when it answers None, else putting the focus into the field it
// names; true when accepted.
class SaleDetailsDialog {
public:
    using Accept = std::function<SaleDetails::Field(const SaleDetails&)>;
    virtual ~SaleDetailsDialog() = default;
    virtual bool EditDetails(SaleDetails& details, const SaleDetailsChoices& choices, const Accept& accept,
                             SaleDetails::Field focus) = 0;
};
