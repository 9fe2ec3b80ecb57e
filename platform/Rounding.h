// The two rounding rules. Report layout and barcode geometry round ties to the even neighbour:
// their centring and gaps depend on it. Positions on a pixel or dot grid, unit conversions and
// offsets round ties up, so that moving a value by whole units moves its rounding by as many.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/ClampedInt.h"

namespace platform {

// Nearest integer, ties toward +infinity (0.5 -> 1, -0.5 -> 0, -2.5 -> -2), saturating at the
// coordinate limit; NaN gives 0. For values of either sign a tie rounds the same way, so a
// distance between two positions survives the rounding wherever they lie.
inline int roundToInt(double v) {
    if (std::isnan(v)) return 0;
    double r = std::floor(v);
    if (v - r >= 0.5) r += 1;
    return clampedInt(r);
}

inline int floorToInt(double v) {
    return clampedInt(std::floor(v));
}

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
