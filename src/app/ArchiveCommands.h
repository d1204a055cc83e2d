#pragma once

#include <QString>

class Clock;
class LocalSettings;
class Prompter;
class Sleeper;

// `tarvo backup [DIR]`: archives DIR's database into the chosen archive
// directory (else DIR), prints the archive's path and stores the day of the
// archive. Returns the exit status.
int RunBackupCommand(const QString& directory, LocalSettings& settings, const Clock& clock,
                     Prompter& prompter, Sleeper& sleeper);

// `tarvo restore FILE [DIR]`: puts the database of the archive FILE in place
// of DIR's database, refused while another copy of the program uses it.
int RunRestoreCommand(const QString& archive, const QString& directory, Prompter& prompter);
