// Painting a pattern at any angle: each element is a filled polygon in its own colour, the
// turned symbol placed so that its bounding box starts at (Left, Top).
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "barcode/BarcodeGenerator.h"
#include "platform/Rounding.h"

namespace barcode {

namespace {

int toDevice(double v) {
    // Symmetric, so that a clamped value can be negated.
    constexpr double lo = -std::numeric_limits<int>::max();
    constexpr double hi = std::numeric_limits<int>::max();
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(platform::roundHalfEven(v), lo, hi));
}

struct Rotation {
    double s;
    double c;
};

// Offset that moves the turned rectangle (0,0)-(w,h) so its bounding box starts at (0,0).
platform::Point boundingOffset(Rotation r, double w, double h) {
    if (r.s >= 0 && r.c >= 0) return {0, toDevice(w * r.s)};
    if (r.s >= 0) return {-toDevice(w * r.c), toDevice(w * r.s - h * r.c)};
    if (r.c >= 0) return {-toDevice(h * r.s), 0};
    // Rounded one by one as the layout rounds them, then added in double: huge sizes clamp.
    return {toDevice(-static_cast<double>(toDevice(w * r.c)) - toDevice(h * r.s)), -toDevice(h * r.c)};
}

struct Origin {
    double x;
    double y;
};

// The origin is a whole number, so rounding after adding it equals adding it after rounding;
// adding first keeps far-off positions from overflowing.
platform::Point turn(Rotation r, Origin origin, double px, double py) {
    return {toDevice(origin.x + (px * r.c + py * r.s)), toDevice(origin.y + (-px * r.s + py * r.c))};
}

}  // namespace

void BarcodeGenerator::draw(platform::Canvas& canvas) {
    const std::string pattern = encode();  // may throw: nothing painted yet
    // The same properties give the same sum, so no second encoding is needed for the width.
    const std::int32_t w = patternWidth(pattern);
    const std::int32_t h = height_;

    platform::CanvasStateGuard guard(canvas);
    const double alpha = angle_ / 180.0 * std::numbers::pi;
    const Rotation rot{std::sin(alpha), std::cos(alpha)};
    const platform::Point offset = boundingOffset(rot, w, h);
    const Origin origin{static_cast<double>(left_) + offset.x, static_cast<double>(top_) + offset.y};

    std::int64_t x = 0;
    std::vector<platform::Point> corners(4);
    for (char code : pattern) {
        const ModuleElement element = moduleWidth(code);
        const platform::Color colour = element.kind == ElementKind::Space ? color_ : colorBar_;
        canvas.setPen(platform::Pen{colour, 1, platform::PenStyle::Solid, platform::PenMode::Copy});
        canvas.setBrush(platform::Brush{colour, false});
        // In 64 bits: a stored height near the int limit must not overflow when scaled.
        const std::int64_t e = element.kind == ElementKind::ShortBar ? std::int64_t{h} * 2 / 5 : h;
        const double left = static_cast<double>(x);
        const double right = static_cast<double>(x + element.width - 1);
        corners[0] = turn(rot, origin, left, 0);
        corners[1] = turn(rot, origin, left, static_cast<double>(e));
        corners[2] = turn(rot, origin, right, static_cast<double>(e));
        corners[3] = turn(rot, origin, right, 0);
        canvas.polygon(corners);
        x += element.width;
    }
}

}  // namespace barcode
