#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class ListPreferences;
class Prompter;
class SaveFileChooser;

// One line of a CSV file: a field that holds the separator, a quote or a
// line break is put in quotes, with its quotes doubled.
QString CsvLine(const QStringList& fields, const QString& separator);

// The titles and the rows as UTF-8 text with a byte order mark (so that
// spreadsheet programs take it as UTF-8), each line ended by CR LF.
QByteArray CsvText(const QStringList& titles, const std::vector<QStringList>& rows, const QString& separator);

// Writes the titles and the rows to a UTF-8 file (with a byte order mark, so
// that spreadsheet programs take it as UTF-8). False with the reason on failure.
bool WriteCsv(const QString& path, const QStringList& titles, const std::vector<QStringList>& rows,
              const QString& separator, QString* error);

// "Експорт в CSV": asks for the file, writes the list with the separator of
// the settings and tells the user when it could not be written. The status
// bar text that says where the rows went, or empty when nothing was written.
QString ExportListToCsv(const QStringList& titles, const std::vector<QStringList>& rows,
                        const ListPreferences& settings, Prompter& prompter, SaveFileChooser& chooser);
