#pragma once

#include "reports/ReportExport.h"

#include <QString>
#include <QStringList>

class Clock;
class LocalSettings;
class Prompter;
class Sleeper;

// The options of `tarvo report` that take a value ("--from DATE").
QStringList ReportValueOptions();

// A date as a script writes it: dd.mm.yyyy or yyyy-mm-dd; invalid otherwise.
QDate ParseCommandDate(const QString& text);

// The options ("--name=value" or "--flag") as report filters: the error text
// for an unknown option or a bad value, else empty.
QString ParseReportOptions(const QStringList& arguments, ReportOptions& options);

// `tarvo report NAME [DIR] [options]`: the report's rows as CSV on standard
// output (the CSV separator of the settings, UTF-8), a header line with the
// column titles and a last line with the totals. A bad name, option or date
// ends with a message and status 1.
int RunReportCommand(const QString& name, const QString& directory, const QStringList& options,
                     const LocalSettings& settings, const Clock& clock, Prompter& prompter, Sleeper& sleeper);
