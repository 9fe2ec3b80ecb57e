// Painting a pattern at any angle: each element is a filled four-cornered polygon, the turned
// symbol placed so that its bounding box starts at (Left, Top). The spaces go first as one
// batch in the space colour, then the bars as one batch in the bar colour, so that a device
// fills each with the pen and brush set once.
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
    bool rightAngle = false;  // s and c are 0 or ±1: whole numbers turn into whole numbers
};

// Right angles turn exactly: the sine and cosine of their radians miss 0 and ±1 by a rounding
// error, which the rounding to whole dots then has to take away again.
Rotation rotationOf(double angle) {
    const double quarters = angle / 90.0;
    if (std::abs(quarters) < 1e15 && quarters == std::floor(quarters)) {
        static constexpr Rotation kQuarterTurns[] = {
            {0, 1, true}, {1, 0, true}, {0, -1, true}, {-1, 0, true}};
        return kQuarterTurns[(static_cast<long long>(quarters) % 4 + 4) % 4];
    }
    const double alpha = angle / 180.0 * std::numbers::pi;
    return {std::sin(alpha), std::cos(alpha)};
}

// A whole number kept within the same range as toDevice's.
int wholeToDevice(double v) {
    constexpr double lo = -std::numeric_limits<int>::max();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(v, lo, hi));
}

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
    const double x = origin.x + (px * r.c + py * r.s);
    const double y = origin.y + (-px * r.s + py * r.c);
    if (r.rightAngle) return {wholeToDevice(x), wholeToDevice(y)};
    return {toDevice(x), toDevice(y)};
}

// One batch of elements in one colour: filled and outlined with a one-dot pen of that colour,
// so that each covers its corner cells.
void paintElements(platform::Canvas& canvas, platform::Color colour,
                   const std::vector<platform::Point>& corners) {
    if (corners.empty()) return;
    canvas.setPen(platform::Pen{colour, 1, platform::PenStyle::Solid, platform::PenMode::Copy});
    canvas.setBrush(platform::Brush{colour, false});
    canvas.bars(corners);
}

}  // namespace

void BarcodeGenerator::draw(platform::Canvas& canvas) {
    const std::string pattern = encode();  // may throw: nothing painted yet
    // The same properties give the same sum, so no second encoding is needed for the width.
    const std::int32_t w = patternWidth(pattern);
    const std::int32_t h = height_;

    platform::CanvasStateGuard guard(canvas);
    const Rotation rot = rotationOf(angle_);
    const platform::Point offset = boundingOffset(rot, w, h);
    const Origin origin{static_cast<double>(left_) + offset.x, static_cast<double>(top_) + offset.y};
    // The element from pattern column `left` to `right` (both included), `height` high.
    const auto addElement = [&](std::vector<platform::Point>& to, double left, double right, double height) {
        to.push_back(turn(rot, origin, left, 0));
        to.push_back(turn(rot, origin, left, height));
        to.push_back(turn(rot, origin, right, height));
        to.push_back(turn(rot, origin, right, 0));
    };

    std::vector<platform::Point> spaces;
    std::vector<platform::Point> bars;
    spaces.reserve(pattern.size() * 4);
    bars.reserve(pattern.size() * 4);
    bool shortBars = false;
    std::int64_t x = 0;
    for (char code : pattern) {
        const ModuleElement element = moduleWidth(code);
        const double left = static_cast<double>(x);
        const double right = static_cast<double>(x + element.width - 1);
        if (element.kind == ElementKind::Space) {
            addElement(spaces, left, right, h);
        } else {
            shortBars = shortBars || element.kind == ElementKind::ShortBar;
            // In 64 bits: a stored height near the int limit must not overflow when scaled.
            const std::int64_t e = element.kind == ElementKind::ShortBar ? std::int64_t{h} * 2 / 5 : h;
            addElement(bars, left, right, static_cast<double>(e));
        }
        x += element.width;
    }
    // With every bar at full height the elements tile the symbol's rectangle, so one rectangle
    // in the space colour under the bars paints what a rectangle per space would.
    if (!shortBars && !spaces.empty()) {
        spaces.clear();
        addElement(spaces, 0, static_cast<double>(x - 1), h);
    }
    paintElements(canvas, color_, spaces);
    paintElements(canvas, colorBar_, bars);
}

}  // namespace barcode
