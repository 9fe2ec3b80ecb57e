// Rounding to the nearest integer with ties to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2),
// as barcode geometry and the layout formulas round: their centring and gaps depend on it.
#pragma once

#include <cmath>
#include <cstdint>

namespace platform {

// Not std::lround (ties away from zero) and independent of the current rounding mode.
inline double roundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// The same as an int; values beyond the int range (and NaN) saturate instead of overflowing.
inline int roundHalfEvenToInt(double v) {
    const double r = roundHalfEven(v);
    if (!(r > -2147483648.0 && r < 2147483647.0)) return r > 0 ? 2147483647 : -2147483647;
    return static_cast<int>(r);
}

// Integer division rounding toward zero, as the layout formulas' "div"; 0 for a zero divisor.
inline int divTrunc(int a, int b) {
    return b == 0 ? 0 : a / b;
}

}  // namespace platform
