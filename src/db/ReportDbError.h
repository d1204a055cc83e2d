#pragma once

#include "db/DbResult.h"

class Prompter;

// Shows the message for a failed statement (fixed texts for a busy, corrupt
// or unopenable file, else the library's own) and resets the code to 0.
void ReportDbError(Prompter& prompter, DbResult& result);
