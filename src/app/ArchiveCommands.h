#pragma once

#include <QString>

class Clock;
class Connection;
class LocalSettings;
class Prompter;
class Sleeper;

// Opens DIR's database on `connection`: its path, or empty after telling why
// it could not be opened.
QString OpenDatabaseOf(const QString& directory, Prompter& prompter, Connection& connection);
// The same for a command that reads or changes the data: a file of another
// format is refused (and closed) with the reason, and left untouched.
QString OpenCurrentDatabaseOf(const QString& directory, Prompter& prompter, Connection& connection);
// A line on standard output, at once.
void PrintLine(const QString& text);

// `tarvo backup [DIR]`: archives DIR's database into the chosen archive
// directory (else DIR), prints the archive's path and stores the day of the
// archive. Returns the exit status.
int RunBackupCommand(const QString& directory, LocalSettings& settings, const Clock& clock,
                     Prompter& prompter, Sleeper& sleeper);

// `tarvo restore FILE [DIR]`: puts the database of the archive FILE in place
// of DIR's database, refused while another copy of the program uses it.
int RunRestoreCommand(const QString& archive, const QString& directory, Prompter& prompter);
