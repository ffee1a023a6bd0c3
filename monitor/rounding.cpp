#include "monitor/rounding.h"

#include <cmath>

namespace {

// Rounds value to the nearest integer, ties to even. Returns false for
// not-a-number and for results outside [lowest, highest].
bool roundHalfEvenInRange(double value, double lowest, double highest, double& rounded)
{
    if (std::isnan(value)) {
        return false;
    }
    double r = std::floor(value);
    const double fraction = value - r;  // exact for every float input
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0.0)) {
        r += 1.0;
    }
    if (!(r >= lowest && r <= highest)) {
        return false;
    }
    rounded = r;
    return true;
}

}  // namespace

bool roundHalfEvenToInt32(float value, std::int32_t& out)
{
    double r = 0.0;
    if (!roundHalfEvenInRange(value, -2147483648.0, 2147483647.0, r)) {
        return false;
    }
    out = static_cast<std::int32_t>(r);
    return true;
}

bool roundHalfEvenToInt64(float value, std::int64_t& out)
{
    double r = 0.0;
    // 2^63 itself is out of range; every float below it is a whole number
    // that fits.
    if (!roundHalfEvenInRange(value, -9223372036854775808.0, 9223372036854774784.0, r)) {
        return false;
    }
    out = static_cast<std::int64_t>(r);
    return true;
}
