#include "gui/widgets/Contrast.h"

#include <cmath>

namespace gui::widgets {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// `c` moved a fraction `t` of the way to `target`, channel by channel.
QColor mixed(const QColor& c, const QColor& target, double t) {
    auto mix = [t](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * t)); };
    return QColor(mix(c.red(), target.red()), mix(c.green(), target.green()), mix(c.blue(), target.blue()));
}

// The least move of `wanted` towards `target` (black or white) that reaches `minimum`. The
// luminance changes monotonically along the way, so halving the interval finds it.
QColor movedUntilReadable(const QColor& background, const QColor& wanted, const QColor& target,
                          double minimum) {
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 24; ++i) {
        const double mid = (low + high) / 2;
        (contrastRatio(background, mixed(wanted, target, mid)) >= minimum ? high : low) = mid;
    }
    return mixed(wanted, target, high);
}

}  // namespace

double relativeLuminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& background, const QColor& wanted, double minimum) {
    if (contrastRatio(background, wanted) >= minimum) return wanted;
    const QColor black(Qt::black), white(Qt::white);
    const bool darkerFirst = relativeLuminance(wanted) <= relativeLuminance(background);
    const QColor first = darkerFirst ? black : white, second = darkerFirst ? white : black;
    if (contrastRatio(background, first) >= minimum)
        return movedUntilReadable(background, wanted, first, minimum);
    if (contrastRatio(background, second) >= minimum)
        return movedUntilReadable(background, wanted, second, minimum);
    return markColourOn(background);
}

QColor markColourOn(const QColor& background) {
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

}  // namespace gui::widgets
