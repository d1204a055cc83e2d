#pragma once

#include <QString>

// Document numbers are shown with ten digits and read back from that text:
// "0000000123" is 123, "-0000000015" is -15, an empty text is 0.
QString FormatDocNumber(int number);
int ParseDocNumber(const QString& text);
