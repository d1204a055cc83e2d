#include "sales/ui/GuiFiscalMarks.h"

#include "base/FormHost.h"
#include "base/ui/WaitCursor.h"
#include "settings/LocalSettings.h"

GuiFiscalParts::GuiFiscalParts(Database& db, FormHost& host, QWidget* parent)
    : input(parent), fiscal(db, host.GetPrompter(), host.Settings(), &input, &host.GetClock()) {}

GuiFiscalMarks::GuiFiscalMarks(Database& db, FormHost& host, QWidget* parent)
    : GuiFiscalParts(db, host, parent), FiscalMarks(db, fiscal.Register()) {}

void GuiFiscalMarks::Mend(DocumentKind kind, int number) {
    WaitCursor wait;
    FiscalMarks::Mend(kind, number);
}
