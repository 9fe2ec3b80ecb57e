#include "platform/TextBounds.h"

#include <cmath>
#include <numbers>

#include "platform/ClampedInt.h"

namespace platform {

Rect turnedTextBounds(Point origin, Size extent, int escapement) {
    const auto at = [](int base, double offset) { return clampedInt(std::floor(base + offset)); };
    if (escapement % 3600 == 0)
        return {origin.x, origin.y, at(origin.x, extent.width), at(origin.y, extent.height)};
    const double a = escapement / 10.0 * std::numbers::pi / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    const double cornersX[4] = {0, double(extent.width), 0, double(extent.width)};
    const double cornersY[4] = {0, 0, double(extent.height), double(extent.height)};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        // Counter-clockwise on a surface whose y axis points down.
        const double x = cornersX[i] * c + cornersY[i] * s;
        const double y = -cornersX[i] * s + cornersY[i] * c;
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
    // Shave rounding noise so that a 90° turn gives exact integers.
    const auto lo = [&](int base, double v) { return at(base, std::floor(v + 1e-9)); };
    const auto hi = [&](int base, double v) { return at(base, std::ceil(v - 1e-9)); };
    return {lo(origin.x, minX), lo(origin.y, minY), hi(origin.x, maxX), hi(origin.y, maxY)};
}

}  // namespace platform
