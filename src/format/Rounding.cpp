#include "format/Rounding.h"

#include <cfloat>
#include <cmath>

namespace {
// Every total and line rounds; the usual places are read from a table
// rather than computed by pow each time. The values are exact either way.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

double powerOfTen(int decimals) {
    return decimals >= 0 && decimals < 16 ? kPowersOfTen[decimals] : std::pow(10.0, decimals);
}
} // namespace

double RoundHalfUp(double x, int decimals) {
    if (!std::isfinite(x))
        return x;
    const double scale = powerOfTen(decimals);
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
