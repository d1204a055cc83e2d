#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class LocalSettings;
class Prompter;
class Sleeper;

// `tarvo import-dump FILE [DIR] [--ANSWER=yes|no ...]`: a database built from
// an SQL text dump of an old file (CP1251 or UTF-8), brought to today's format.
// The chain's questions are asked on the terminal, or answered by options
// (ImportAnswerOptions); without a terminal every answer the chain needs must
// come as an option. Returns the exit status.
int RunImportDumpCommand(const QString& dump, const QString& directory, const QStringList& options,
                         LocalSettings& settings, Prompter& prompter, Sleeper& sleeper);

// The options that answer the chain's questions, in the order it asks them.
QStringList ImportAnswerOptions();

// A reply typed on the terminal: y/yes/д/да is yes, n/no/н/не is no (in any
// case, Latin or Cyrillic keyboard alike); anything else is no answer.
std::optional<bool> TerminalAnswer(const QString& reply);
