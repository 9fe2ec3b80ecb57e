#include "barcode_object/BarcodeLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace barcode_object {

namespace {

// Stored boxes come from files: sums are made in 64 bits and brought back into int range.
int saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN + 1, INT32_MAX));
}

}  // namespace

bool runsAlongHeight(double angle) {
    return angle == 90.0 || angle == 270.0;
}

SymbolPlacement placeSymbol(double angle, bool postNet, platform::Size box, int barHeight) {
    SymbolPlacement p{0, 0, barHeight};
    if (postNet && angle == 0.0) {
        p.top = barHeight;
        p.height = saturate(-static_cast<std::int64_t>(barHeight));
    }
    if (angle == 180.0)
        p.top = saturate(static_cast<std::int64_t>(box.height) - barHeight);
    else if (angle == 270.0)
        p.left = saturate(static_cast<std::int64_t>(box.width) - barHeight);
    return p;
}

platform::Point textOrigin(double angle, platform::Size box, int textWidth, int textHeight) {
    const std::int64_t w = box.width, h = box.height, tw = textWidth, th = textHeight;
    if (angle == 0.0) return {saturate((w - tw) / 2), saturate(h - th)};
    if (angle == 90.0) return {saturate(w - th), saturate(h - (h - tw) / 2)};
    if (angle == 180.0) return {saturate(w - (w - tw) / 2), saturate(th)};
    return {saturate(th), saturate((h - tw) / 2)};
}

int escapementOf(double angle) {
    if (!std::isfinite(angle)) return 0;
    // Whole turns change nothing; folding keeps the tenths within int range.
    const double folded = std::fmod(std::nearbyint(angle), 360.0);
    return static_cast<int>(folded) * 10;
}

}  // namespace barcode_object
