#pragma once

#include "masterdata/Bank.h"
#include "sales/SaleDocument.h"

#include <vector>

// A sale document as it goes on paper, taken from the form: a new document
// and a loaded one print alike from it.
struct SalePrintout {
    SaleOp op = SaleOp::GoodsNote;
    bool original = true;
    QString numberText; // as the form shows it
    SaleHeader header;
    CustomerSnapshot customer;
    FirmSnapshot firm;
    Bank bank; // the account of a payment by bank transfer
    std::vector<SaleLine> lines;
    // The figures of the form's totals list, as shown.
    QString sum;
    QString discount;
    QString base;
    QString vat;
    QString total;
    QString words;
    QString currencyMark; // after the total's label: empty, " (лв.)" or " (EUR)"
};

// Where the sale form sends a document to be printed: the print preview
// (from which the user prints it), or straight to the print dialog.
class SalePrinter {
public:
    virtual ~SalePrinter() = default;
    virtual void Preview(const SalePrintout& printout) = 0;
    virtual void PrintNow(const SalePrintout& printout) = 0;
};
