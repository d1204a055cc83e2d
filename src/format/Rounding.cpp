#include "format/Rounding.h"

#include <cfloat>
#include <cmath>

double RoundHalfUp(double x, int decimals) {
    if (!std::isfinite(x))
        return x;
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    // Beyond 2^52 a double has no fractional part left to round.
    if (std::fabs(scaled) >= 4503599627370496.0)
        return x;
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    // The error of a decimal typed with up to 15 digits, after scaling.
    const double tolerance = 4.0 * DBL_EPSILON * std::fmax(1.0, std::fabs(scaled));
    const double rounded = std::fabs(fraction - 0.5) <= tolerance ? below + 1.0 : std::floor(scaled + 0.5);
    return rounded / scale;
}
