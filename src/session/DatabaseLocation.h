#pragma once

#include <QString>

class MachinePreferences;

// The directory whose tarvo.db this run uses: the one named on the command
// line, else the one the user chose last time (DBPath), else the current one.
// A connection string names a server's firm instead, as given or as
// remembered.
QString ResolveDatabaseDirectory(const QString& commandLineDirectory, const MachinePreferences& settings);

// A form's window title; a firm on a server adds where it is (never its password).
QString WindowTitleAt(const QString& title, const QString& location);
