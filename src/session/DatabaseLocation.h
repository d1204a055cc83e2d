#pragma once

#include <QString>

class LocalSettings;

// The directory whose tarvo.db this run uses: the one named on the command
// line, else the one the user chose last time (DBPath), else the current one.
QString ResolveDatabaseDirectory(const QString& commandLineDirectory, const LocalSettings& settings);
