#pragma once

#include <QString>

class Clock;
class LocalSettings;
class Prompter;
class Sleeper;

// `tarvo euro [DIR]`: moves DIR's firm from leva to euro as the menu does,
// without a window or a question: the archive first, then the prices in one
// change. Prints how many prices changed and the archive's name; refused
// when the firm is already in euro. Returns the exit status.
int RunEuroCommand(const QString& directory, LocalSettings& settings, const Clock& clock, Prompter& prompter,
                   Sleeper& sleeper);
