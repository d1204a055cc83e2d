#pragma once

#include "sales/fiscal/NetFpClient.h"

#include <QString>
#include <QStringList>

// The device's errors and warnings in Bulgarian: the standard codes of the
// print server in words of the program, anything else with the device's own
// text. Information messages are left out.
QStringList FiscalProblems(const std::vector<NetFpMessage>& messages);
// One code in words; empty for a code the program does not know.
QString FiscalCodeText(const QString& code);
