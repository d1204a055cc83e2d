#pragma once

#include <QString>

class Prompter;
class Sleeper;

// `tarvo init DIR`: creates a new, empty database in DIR without a window.
// Refuses when DIR holds a database already. Returns the exit status.
int RunInitCommand(const QString& directory, Prompter& prompter, Sleeper& sleeper);
