#pragma once

#include <QString>

class Prompter;

// `tarvo copy FROM TO`: moves a whole firm between two locations (a folder
// or a server), refusing a target that holds data; the counts and sums are
// checked before success is reported. Returns the exit status.
int RunCopyCommand(const QString& from, const QString& to, Prompter& prompter);
