#pragma once

#include "stockops/DeliveryPrintout.h"

class FormHost;

// Shows the delivery receipt in the print preview of the window that shows
// the form, in the economy mode of this seat.
class HostDeliveryPrinter : public DeliveryPrinter {
public:
    explicit HostDeliveryPrinter(FormHost& host) : m_host(host) {}
    void Preview(const DeliveryPrintout& printout) override;

private:
    FormHost& m_host;
};
