#include "sales/ui/GuiFiscalMarks.h"

#include "base/FormHost.h"
#include "base/ui/WaitCursor.h"

GuiFiscalMarks::GuiFiscalMarks(Database& db, FormHost& host, QWidget* parent)
    : FiscalMarks(db, m_register), m_input(parent),
      m_register(db, host.GetPrompter(), host.Settings(), m_transport) {
    m_register.SetInteraction(&m_input, &host.GetClock());
}

void GuiFiscalMarks::Mend(DocumentKind kind, int number) {
    WaitCursor wait;
    FiscalMarks::Mend(kind, number);
}
