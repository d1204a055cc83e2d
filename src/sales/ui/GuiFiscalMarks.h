#pragma once

#include "base/ui/GuiTextInput.h"
#include "net/QtHttpTransport.h"
#include "sales/fiscal/FiscalMarks.h"
#include "sales/fiscal/FiscalRegister.h"

class FormHost;

// The fiscal marks of the document lists on the desktop: the print server
// over HTTP, the clerk asked in a box, the wait cursor while it prints.
class GuiFiscalMarks : public FiscalMarks {
public:
    GuiFiscalMarks(Database& db, FormHost& host, QWidget* parent);
    void Mend(DocumentKind kind, int number) override;

private:
    QtHttpTransport m_transport;
    GuiTextInput m_input;
    FiscalRegister m_register;
};
