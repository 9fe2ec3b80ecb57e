// Derived face and frame colours of the flat controls: the base colour made lighter or darker
// in lightness (HSL, on a 0..100 scale), used when UseAdvColors is on.
#pragma once

#include <QColor>

namespace gui::widgets {

enum class AdvShift { Lighter, Darker };

// Lightness + 10, then +percent (Lighter, at most 100) or -percent (Darker, at least 0).
// A percentage of 0 keeps the colour unchanged.
QColor advColor(const QColor& base, int percent, AdvShift shift);

}  // namespace gui::widgets
