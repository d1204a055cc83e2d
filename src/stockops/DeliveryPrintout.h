#pragma once

#include "stockops/Delivery.h"

// A delivery as its receipt prints it, taken from the form.
struct DeliveryPrintout {
    Delivery doc;
    DeliveryTotals totals;
    QString numberText; // ten digits
};

// Where the delivery form sends its receipt: the print preview, from which
// the user prints it or saves it as PDF.
class DeliveryPrinter {
public:
    virtual ~DeliveryPrinter() = default;
    virtual void Preview(const DeliveryPrintout& printout) = 0;
};
