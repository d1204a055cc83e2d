#include "format/DocNumber.h"

#include <cstdlib>

QString FormatDocNumber(int number) {
    return QString::asprintf("%.10d", number);
}

int ParseDocNumber(const QString& text) {
    QString rest = text;
    const bool negative = rest.startsWith('-');
    if (negative)
        rest.remove(0, 1);
    qsizetype zeros = 0;
    while (zeros < rest.size() && rest[zeros] == '0')
        ++zeros;
    rest.remove(0, zeros);
    const int value = rest.isEmpty() ? 0 : std::atoi(rest.toLatin1().constData());
    return negative ? -value : value;
}
