// Conversions to int that saturate instead of overflowing: coordinates read from files or
// scaled by large factors must never wrap around (or be undefined behaviour).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Beyond any real surface, yet with room for sums and differences of two such values.
constexpr int kCoordinateLimit = 1 << 28;

constexpr int clampedInt(std::int64_t v) {
    return v < -kCoordinateLimit  ? -kCoordinateLimit
           : v > kCoordinateLimit ? kCoordinateLimit
                                  : static_cast<int>(v);
}

inline int clampedInt(double v) {
    if (std::isnan(v)) return 0;
    if (v < -kCoordinateLimit) return -kCoordinateLimit;
    if (v > kCoordinateLimit) return kCoordinateLimit;
    return static_cast<int>(v);
}

}  // namespace platform
