// Rounding to the nearest integer with ties to even, as all barcode geometry rounds.
#pragma once

#include <cmath>

namespace barcode {

// Not std::lround (ties away from zero) and independent of the current rounding mode.
inline double roundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace barcode
