#pragma once

#include "print/SaleDocumentJob.h"
#include "sales/SalePrintout.h"

class FormHost;

// Prints the sale form's documents through the window that shows the form,
// with the print settings of this seat.
class HostSalePrinter : public SalePrinter {
public:
    explicit HostSalePrinter(FormHost& host) : m_host(host) {}

    void Preview(const SalePrintout& printout) override;
    void PrintNow(const SalePrintout& printout) override;
    SalePrintOptions Options() const;

private:
    FormHost& m_host;
};
