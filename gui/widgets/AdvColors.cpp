#include "gui/widgets/AdvColors.h"

#include <algorithm>

namespace gui::widgets {

QColor advColor(const QColor& base, int percent, AdvShift shift) {
    if (percent == 0) return base;
    const QColor hsl = base.toHsl();
    int lightness = qRound(hsl.lightnessF() * 100.0) + 10;
    lightness += shift == AdvShift::Lighter ? percent : -percent;
    lightness = std::clamp(lightness, 0, 100);
    QColor out = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness / 100.0);
    return out.toRgb();
}

}  // namespace gui::widgets
