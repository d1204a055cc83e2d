#pragma once

#include "base/ui/GuiTextInput.h"
#include "net/NetworkFiscalRegister.h"
#include "sales/fiscal/FiscalMarks.h"

class FormHost;

// The clerk's box and the register, made before the marks that use them.
struct GuiFiscalParts {
    GuiFiscalParts(Database& db, FormHost& host, QWidget* parent);
    GuiTextInput input;
    NetworkFiscalRegister fiscal;
};

// The fiscal marks of the document lists on the desktop: the print server
// over HTTP, the clerk asked in a box, the wait cursor while it prints.
class GuiFiscalMarks : private GuiFiscalParts, public FiscalMarks {
public:
    GuiFiscalMarks(Database& db, FormHost& host, QWidget* parent);
    void Mend(DocumentKind kind, int number) override;
};
