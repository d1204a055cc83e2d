#pragma once

#include "format/Currency.h"
#include "sales/SaleOperation.h"
#include "trade/FirmSnapshot.h"

#include <QDate>
#include <QString>
#include <vector>

// A sale document as the form holds it and the store writes and reads it:
// the header, the customer and firm snapshots and the lines.

struct SaleHeader {
    int docId = 0;
    QDate docDate;
    QString givenBy;
    QString receivedBy;
    QString compiledBy;
    QString transportedBy;
    int partnerId = 0;
    QString osnovanie;
    QString place;
    QString object;
    QDate recvDate;
    QDate payDate;
    int payBy = 0; // 0 cash, 1 bank transfer
    double discount = 0;
    QString slovom;
    QDate taxEventDate;
    QString osnovanieVat;
    QString newVehicle;
    int docType = 0;
    int toInvoice = 0;     // the invoice a note refers to
    QString toInvoiceDate; // its date as stored (YYYY-MM-DD)
};

// The customer as the document keeps it.
struct CustomerSnapshot {
    QString name;
    QString city;
    QString address;
    QString mol;
    QString taxId;
    QString bulstat;
};

// One line; quantity, price and value are kept as shown (3, 2 and 2
// decimals), and positive also on a credit note.
struct SaleLine {
    int seq = 0;
    int selPrice = 1;
    QString code;
    QString name;
    QString units;
    double quantity = 0;
    double price = 0;
    double value = 0; // RoundHalfUp(quantity x price, 2)
    QString visCode;  // the customer's own code for the item
    bool freeText = false;
    // On an invoice for earlier documents: the goods note or pro-forma the
    // line was taken from, and that document's total.
    int sourceDoc = 0;
    double sourceTotal = 0;

    // The value of a line of that quantity and price.
    static double ValueOf(double quantity, double price);
};

// The five figures of the totals list and the amount in words.
struct SaleTotals {
    double allSum = 0;
    double discountSum = 0;
    double base = 0;
    double vat = 0;
    double total = 0;
    QString words;
};

struct SaleDocument {
    SaleOp op = SaleOp::GoodsNote;
    SaleHeader header;
    CustomerSnapshot customer;
    FirmSnapshot firm;
    std::vector<SaleLine> lines;
};

// The totals of the lines with the discount in percent and the document's
// VAT: each step rounded to 2 decimals as the screen shows it; the words in
// the document's currency.
SaleTotals ComputeSaleTotals(const std::vector<SaleLine>& lines, double discount, bool vatRegistered,
                             double vatRate, Currency currency);
