#pragma once

#include <QString>
#include <QStringList>

class Clock;
class LocalSettings;
class Prompter;
class Sleeper;

// The kinds `tarvo pdf` renders: goods-note, invoice, proforma, ...
QStringList PdfDocumentKinds();

// `tarvo pdf KIND NUMBER OUT.pdf [DIR] [--copy]`: the stored document loaded
// by its form and rendered through the same print job as the form's preview,
// the original unless `copy`. A kind or number that does not exist ends with
// a message and status 1, and leaves no file.
int RunPdfCommand(const QString& kind, const QString& number, const QString& out, const QString& directory,
                  bool copy, LocalSettings& settings, const Clock& clock, Prompter& prompter,
                  Sleeper& sleeper);
