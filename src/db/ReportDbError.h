#pragma once

#include "db/DbResult.h"

#include <QString>

class Prompter;

// The message for a failed statement: fixed texts for a busy, corrupt or
// unopenable file, else the library's own; empty when there is nothing to
// tell (no connection could be had, and the user has been told already).
QString DbErrorText(const DbResult& result);

// Shows that message and resets the code to 0.
void ReportDbError(Prompter& prompter, DbResult& result);
