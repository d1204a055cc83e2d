#include "format/FormatNumber.h"

#include "format/Rounding.h"

QString FormatNumber(double value, int decimals) {
    double rounded = RoundHalfUp(value, decimals);
    if (decimals < 0 || decimals > 5) {
        rounded = RoundHalfUp(rounded, 2);
        decimals = 2;
    }
    // No "-0" for a value that rounds to zero.
    if (rounded == 0)
        rounded = 0;
    return QString::asprintf("%.*f", decimals, rounded);
}

QString FormatRate(double percent) {
    QString figure = FormatNumber(percent, 2);
    while (figure.contains('.') && (figure.endsWith('0') || figure.endsWith('.')))
        figure.chop(1);
    return figure;
}
