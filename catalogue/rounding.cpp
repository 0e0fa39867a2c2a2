#include "catalogue/rounding.h"

#include <cmath>

double roundHalfUp(double x, int n) {
    if (x == 0) return x;
    const double scale = std::pow(10.0, n);
    const double a = std::fabs(x) * scale;
    // Beyond the range of doubles the scaled value would be infinite; a value that large has
    // no decimals to round anyway.
    if (!std::isfinite(a)) return x;
    const double z = a + 0.000000000001;
    const double i = std::floor(z);
    const double f = z - i;
    const double r = f >= 0.5 ? i + 1 : i;
    const double result = r / scale;
    // A negative value that rounds to zero gives plain zero, never "-0" in a result line.
    return x < 0 && result != 0 ? -result : result;
}

double roundHalfUpward(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale * (1 + 1e-12) + 0.5) / scale;
}
